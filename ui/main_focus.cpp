// Where the keyboard goes in the main window: the focus kept across deactivation and handed on
// as in a dialog, Tab out of the multi-line box, and Enter pressing only a focused push button.
#include "main_window.h"

#include <iterator>

namespace zozi::ui {

void MainWindow::onActivate(WORD state) {
  // Keep the focused control across deactivation, as a dialog does.
  if (state != WA_INACTIVE) return;
  if (HWND focus = GetFocus(); focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

void MainWindow::onSetFocus() {
  // The focus given to the window goes on to the control the user left, as in a dialog.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
  } else {
    SetFocus(control(kEntryText));
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
