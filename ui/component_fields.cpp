// The keys of the four component fields and of the log box: the fields pass every typed
// character through the key filter first, and take no characters from an input method; Escape in
// the log box closes nothing.
#include <windows.h>
#include <imm.h>

#include "main_window.h"

namespace zozi::ui {

namespace {

// The edit class's own procedure, to which the subclassed boxes hand on what they do not
// handle. All boxes of the class share it, so one copy serves them all; a window property per
// box would cost a round trip to the window server for every message under Wine.
WNDPROC editProcedure = nullptr;

void subclassEdit(HWND edit, WNDPROC procedure) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (!previous) return;
  if (!editProcedure) editProcedure = previous;
  // A box that something else subclassed first keeps its own chain untouched.
  if (previous != editProcedure)
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

}  // namespace

void MainWindow::prepareFields() {
  for (int id : kComponentIds) {
    subclassEdit(control(id), componentFieldProc);
    // Characters composed by an input method would arrive without passing the filter, as they
    // do not in a numeric field: the fields have no input context.
    ImmAssociateContextEx(control(id), nullptr, 0);
  }
  subclassEdit(control(kDebugText), debugTextProc);
}

LRESULT CALLBACK MainWindow::componentFieldProc(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) noexcept {
  try {
    if (message == WM_GETDLGCODE && lParam) {
      // Enter and Escape must reach the key filter, not become the dialog manager's IDOK and
      // IDCANCEL; Tab still moves the focus.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      const bool enterOrEscape = (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
                                 (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
      const LRESULT code = CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
      return enterOrEscape ? (code | DLGC_WANTMESSAGE) : code;
    }
    if (message == WM_CHAR) {
      auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
      if (self && !self->onComponentChar(wParam)) return 0;
    }
  } catch (...) {
    return 0;
  }
  return CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::debugTextProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  // Escape in a multi-line box would ask its parent to close; here it closes nothing.
  if ((message == WM_KEYDOWN || message == WM_CHAR) && wParam == VK_ESCAPE) return 0;
  return CallWindowProcW(editProcedure, hwnd, message, wParam, lParam);
}

bool MainWindow::onComponentChar(WPARAM code) {
  if (filterComponentKey(static_cast<std::uint16_t>(code)) == KeyVerdict::Accepted) return true;
  showNotice(rejectedKeyWarning());
  return false;
}

}  // namespace zozi::ui
