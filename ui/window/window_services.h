// What every window asks of the system that tests script: the settings that change how a window
// looks and what it offers. The program's seam (Shell) is one of these.
#pragma once

namespace zozi::ui {

class WindowServices {
 public:
  virtual ~WindowServices() = default;
  // Whether the system's high-contrast mode is on.
  virtual bool highContrast() = 0;
  // Whether a screen reader is running (it reads help texts from the tooltips).
  virtual bool screenReader() = 0;
};

}  // namespace zozi::ui
