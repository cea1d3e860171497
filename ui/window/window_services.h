// What every window asks of the system that tests script: the settings that change how a window
// looks and what it offers, the monitor it goes on, and the flash that draws the eye to it. The
// program's seam (Shell) is one of these.
#pragma once

#include <windows.h>

namespace zozi::ui {

class WindowServices {
 public:
  virtual ~WindowServices() = default;
  // Whether the system's high-contrast mode is on.
  virtual bool highContrast() = 0;
  // Whether a screen reader is running (it reads help texts from the tooltips).
  virtual bool screenReader() = 0;
  // The work area of the monitor the window is on (the nearest one), or of the primary monitor
  // for none.
  virtual RECT workArea(HWND window) = 0;
  // Flashes the window's caption a few times, to show the user which window waits for them.
  virtual void flash(HWND window) = 0;
};

}  // namespace zozi::ui
