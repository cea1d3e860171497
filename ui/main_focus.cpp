// Where the keyboard goes in the main window: the focus kept across deactivation and handed on
// as in a dialog, Tab out of the multi-line box, and Enter pressing only a focused push button.
#include "main_window.h"

#include <iterator>

namespace zozi::ui {

std::optional<LRESULT> MainWindow::onActivate(WORD state) {
  // Keep the focused control across deactivation, as a dialog does.
  if (state == WA_INACTIVE) {
    saveFocus();
    return std::nullopt;
  }
  // Disabled, the window is active only because something brought it forward (its taskbar
  // button, Alt+Tab) while About is open. About has no owner that the system would hand the
  // activation to, so this window does it, as for an owned dialog: on Windows About would
  // otherwise lie hidden behind it, and under Wine the keys would go to a window that takes none.
  if (!IsWindowEnabled(hwnd()) && aboutHwnd()) {
    PostMessageW(hwnd(), kActivateAbout, 0, 0);
    return 0;  // no focus for a window that takes no input
  }
  return std::nullopt;  // the default handling focuses the window; WM_SETFOCUS goes on
}

void MainWindow::onActivateAbout() {
  if (HWND about = aboutHwnd(); about && !IsWindowEnabled(hwnd())) SetForegroundWindow(about);
}

void MainWindow::onSetFocus() { focusLastControl(); }

void MainWindow::saveFocus() {
  if (HWND focus = GetFocus(); focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

void MainWindow::focusLastControl() {
  // The focus given to the window goes on to the control the user left, as in a dialog.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    SetFocus(control(kEntryText));
  }
}

void MainWindow::restoreFocus() {
  // Enabled and active again after a box, the window gets its focus back where the user left
  // it, unless the activation already put it there.
  if (hwnd() && IsWindowEnabled(hwnd()) && GetActiveWindow() == hwnd() &&
      !IsChild(hwnd(), GetFocus())) {
    focusLastControl();
  }
}

void MainWindow::onNextControl(WPARAM wParam, LPARAM lParam) {
  // The dialog manager and the multi-line box ask the parent to move the focus; a plain window
  // would ignore it and Tab would stick in the box.
  HWND next = nullptr;
  if (LOWORD(lParam)) {
    next = reinterpret_cast<HWND>(wParam);
  } else {
    next = GetNextDlgTabItem(hwnd(), GetFocus(), wParam != 0);
  }
  if (next) SetFocus(next);
}

void MainWindow::onEnterKey() {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != hwnd()) return;
  wchar_t className[16]{};
  GetClassNameW(focus, className, static_cast<int>(std::size(className)));
  const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
    SendMessageW(focus, BM_CLICK, 0, 0);
  }
}

}  // namespace zozi::ui
