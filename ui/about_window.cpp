#include "about_window.h"

#include "layout.h"
#include "window_util.h"

namespace zozi::ui {

namespace {

constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kAboutExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, HWND mainWindow, HICON icon, HICON smallIcon)
    : instance_(instance), main_(mainWindow), icon_(icon), smallIcon_(smallIcon) {}

AboutWindow::~AboutWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool AboutWindow::create() {
  if (!registerWindowClass(instance_, kAboutClassName, windowProc)) return false;
  // A tool window has no taskbar button; no owner, as the main window only lends it the focus.
  // Made at its size and centred, as the main window is.
  const RECT place = centredFrame(kAboutClient, systemDpi(), kAboutStyle, kAboutExStyle, false);
  CreateWindowExW(kAboutExStyle, kAboutClassName, L"About", kAboutStyle, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, nullptr, nullptr, instance_,
                  this);
  return hwnd_ != nullptr;
}

void AboutWindow::show() {
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  SetForegroundWindow(hwnd_);
  SetFocus(GetDlgItem(hwnd_, kAboutCloseButton));
}

void AboutWindow::close() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK AboutWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  AboutWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<AboutWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->handle(message, wParam, lParam);
  } catch (...) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      dpi_ = windowDpi(hwnd_);
      if (icon_) SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
      if (smallIcon_) {
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
      }
      fonts_ = ControlFonts(aboutControls(), dpi_);
      createControls(hwnd_, instance_, aboutControls(), dpi_, fonts_);
      if (!hasClientSize(hwnd_, kAboutClient, dpi_)) placeCentred(hwnd_, kAboutClient, dpi_);
      // The load step: the main window takes no input while this one is open.
      EnableWindow(main_, FALSE);
      return 0;
    case WM_COMMAND:
      // Only the Close button acts; Enter presses it only while it has the focus (it is the
      // window's one focusable control), and Escape (IDCANCEL) does nothing.
      if (LOWORD(wParam) == kAboutCloseButton || LOWORD(wParam) == IDOK) close();
      return 0;
    case WM_CLOSE:
      // The close box and Alt+F4 do what Close does.
      close();
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      buildFonts();
      layout();
      const RECT* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      // Unloaded: hand the main window back, enabled and focused.
      EnableWindow(main_, TRUE);
      SetForegroundWindow(main_);
      SetFocus(main_);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void AboutWindow::buildFonts() {
  // The old fonts live until no control uses them any more.
  const ControlFonts old = std::exchange(fonts_, ControlFonts(aboutControls(), dpi_));
  applyFonts(hwnd_, aboutControls(), fonts_);
}

void AboutWindow::layout() { layoutControls(hwnd_, aboutControls(), dpi_); }

}  // namespace zozi::ui
