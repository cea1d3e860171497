// Where the keyboard goes in a window, as in a dialog: the focus kept across deactivation, boxes
// and disabling, and given back; Tab out of a multi-line box; Enter pressing only a focused push
// button; and the input of a window disabled for another handed on to that one.
#include <iterator>

#include "table_window.h"

namespace zozi::ui {

HWND WindowCore::lentTo() const {
  // Lent only while this window stays disabled; the record goes with the other window.
  return lentTo_ && lentTo_->hwnd_ && !IsWindowEnabled(hwnd_) ? lentTo_->hwnd_ : nullptr;
}

void WindowCore::disableFor(WindowCore& other) {
  // Disabling the window may take the focus from the controls (older Wine and other window
  // managers do; current Wine and Windows, only from the window itself): kept first.
  saveFocus();
  lentTo_ = &other;
  EnableWindow(hwnd_, FALSE);
}

std::optional<LRESULT> WindowCore::onActivate(WORD state) {
  // Keep the focused control across deactivation, as a dialog does.
  if (state == WA_INACTIVE) {
    saveFocus();
    return std::nullopt;
  }
  // Disabled, the window is active only because something brought it forward (its taskbar
  // button, Alt+Tab) while the window it lends its input to is open. That one has no owner that
  // the system would hand the activation to, so this window does it, as for an owned dialog: on
  // Windows the other would otherwise lie hidden behind it, and under Wine the keys would go to a
  // window that takes none.
  if (lentTo()) {
    PostMessageW(hwnd_, kHandOnActivation, 0, 0);
    return 0;  // no focus for a window that takes no input
  }
  return std::nullopt;  // the default handling focuses the window; WM_SETFOCUS goes on
}

void WindowCore::onHandOnActivation() {
  if (HWND other = lentTo()) SetForegroundWindow(other);
}

void WindowCore::saveFocus() {
  if (HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

void WindowCore::focusLastControl() {
  // The focus given to the window goes on to the control the user left, as in a dialog; the
  // first time, to the first control of the table (tab order) that takes it.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  for (HWND child : controls_) {
    if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(child)) {
      SetFocus(child);
      return;
    }
  }
}

void WindowCore::restoreFocus() {
  // Enabled and active again after a box, the window gets its focus back where the user left
  // it, unless the activation already put it there.
  if (hwnd_ && IsWindowEnabled(hwnd_) && GetActiveWindow() == hwnd_ &&
      !IsChild(hwnd_, GetFocus())) {
    focusLastControl();
  }
}

void WindowCore::onNextControl(WPARAM wParam, LPARAM lParam) {
  // The dialog manager and a multi-line box ask the parent to move the focus; a plain window
  // would ignore it and Tab would stick in the box.
  HWND next = nullptr;
  if (LOWORD(lParam)) {
    next = reinterpret_cast<HWND>(wParam);
  } else {
    next = GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
  }
  if (next) SetFocus(next);
}

void WindowCore::onEnterKey() {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != hwnd_) return;
  wchar_t className[16]{};
  GetClassNameW(focus, className, static_cast<int>(std::size(className)));
  const LONG_PTR type = GetWindowLongPtrW(focus, GWL_STYLE) & BS_TYPEMASK;
  if (lstrcmpiW(className, L"Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
    SendMessageW(focus, BM_CLICK, 0, 0);
  }
}

}  // namespace zozi::ui
