// The About window: the tool's name, version, author and address, and a Close button. While it
// is open the main window is disabled, so it behaves like a modal box though shown modeless.
#pragma once

#include <windows.h>

#include "handles.h"
#include "window_util.h"

namespace zozi::ui {

inline constexpr wchar_t kAboutClassName[] = L"CorvelEditorZoziAbout";

class AboutWindow {
 public:
  AboutWindow(HINSTANCE instance, HWND mainWindow, HICON icon, HICON smallIcon);
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  // Creates the window and runs its load step, which disables the main window.
  bool create();
  // Shows it centred on the screen with the focus on Close.
  void show();
  // Unloads the window, then gives the main window back, enabled and focused.
  void close();

  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void buildFonts();
  void layout();

  HINSTANCE instance_;
  HWND main_;
  HICON icon_;
  HICON smallIcon_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  ControlFonts fonts_;
};

}  // namespace zozi::ui
