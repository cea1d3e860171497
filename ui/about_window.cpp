#include "about_window.h"

#include "layout.h"
#include "resource.h"

namespace zozi::ui {

const WindowDefinition& AboutWindow::definition() {
  // A tool window has no taskbar button; no owner, as the main window only lends it the focus.
  static const WindowDefinition about{kAboutClassName,
                                      L"About",
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                      WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME,
                                      kAboutClient,
                                      aboutControls(),
                                      kAboutFrame1,
                                      IDI_APP};
  return about;
}

AboutWindow::AboutWindow(HINSTANCE instance, HWND mainWindow)
    : TableWindow(instance), main_(mainWindow) {}

bool AboutWindow::create() { return createWindow(nullptr, main_); }

void AboutWindow::show() {
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  SetForegroundWindow(hwnd());
  SetFocus(control(kAboutCloseButton));
}

void AboutWindow::close() {
  // The main window is enabled before this one goes, so that the system hands the activation
  // to it rather than to another program.
  EnableWindow(main_, TRUE);
  destroyWindow();
}

bool AboutWindow::onCreate() {
  // The load step: the main window takes no input while this one is open.
  EnableWindow(main_, FALSE);
  return true;
}

std::optional<LRESULT> AboutWindow::dispatch(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      close();  // the close box and Alt+F4 do what Close does
      return 0;
    case WM_ACTIVATE:
      onActivate(LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    default:
      return std::nullopt;
  }
}

void AboutWindow::onCommand(int id) {
  // Only the Close button acts; Enter presses it only while it has the focus (it is the window's
  // one focusable control), and Escape (IDCANCEL) does nothing.
  if (id == kAboutCloseButton || id == IDOK) close();
}

void AboutWindow::onActivate(WORD state) {
  // Close is the one control that takes the focus, whichever way the window became active.
  if (state != WA_INACTIVE) SetFocus(control(kAboutCloseButton));
}

void AboutWindow::onDestroy() {
  // However the window was unloaded, the main window comes back enabled and focused.
  EnableWindow(main_, TRUE);
  SetForegroundWindow(main_);
  SetFocus(main_);
}

}  // namespace zozi::ui
