#include "about_window.h"

#include "layout.h"
#include "resource.h"

namespace zozi::ui {

const WindowDefinition& AboutWindow::definition() {
  // A tool window has no taskbar button; no owner, as the main window only lends it the focus.
  static const WindowDefinition about{
      .className = kAboutClassName,
      .title = L"About",
      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
      .exStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME,
      .clientTwips = kAboutClient,
      .controls = aboutControls(),
      .icon = IDI_APP,
  };
  return about;
}

AboutWindow::AboutWindow(HINSTANCE instance, WindowCore& mainWindow, WindowServices& services)
    : TableWindow(instance, services), main_(mainWindow) {}

void AboutWindow::show() {
  WindowCore::show(SW_SHOW);
  SetForegroundWindow(hwnd());
}

void AboutWindow::close() {
  // The main window is enabled before this one goes, so that the system hands the activation
  // to it rather than to another program.
  EnableWindow(main_.hwnd(), TRUE);
  destroyWindow();
}

bool AboutWindow::onCreate() {
  // The load step: the main window takes no input while this one is open.
  main_.disableFor(*this);
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
    case WM_DESTROY:
      onDestroy();
      return 0;
    default:
      return std::nullopt;
  }
}

void AboutWindow::onCommand(int id) {
  // Only the Close button acts; Enter presses it only while it has the focus (it is the window's
  // one focusable control), and Escape does nothing.
  if (id == kAboutCloseButton) close();
}

void AboutWindow::onDestroy() {
  // However the window was unloaded, the main window comes back enabled and focused.
  const HWND main = main_.hwnd();
  EnableWindow(main, TRUE);
  SetForegroundWindow(main);
  SetFocus(main);
}

}  // namespace zozi::ui
