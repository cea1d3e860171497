// The tooltips of the main window's controls, made when the mouse first comes over a control
// that has one, and at once for a screen reader: nothing else needs them earlier, and start-up
// stays short.
#include <windows.h>
#include <commctrl.h>

#include "main_window.h"

namespace zozi::ui {

void MainWindow::onSetCursor(HWND over, WORD hitTest, WORD mouseMessage) {
  // Every control asks its parent here first when the mouse is over it.
  if (!tooltip_ && hasTooltip(over)) createTooltips();
  // A click on the window while About has disabled it. The system brings an owned window
  // forward and flashes it; About has no owner, so this window does it, or the user would see a
  // window that takes no input and nothing to answer.
  const bool buttonDown = mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN ||
                          mouseMessage == WM_MBUTTONDOWN || mouseMessage == WM_XBUTTONDOWN ||
                          mouseMessage == WM_NCLBUTTONDOWN || mouseMessage == WM_NCRBUTTONDOWN;
  if (hitTest == static_cast<WORD>(HTERROR) && buttonDown && !IsWindowEnabled(hwnd())) {
    if (HWND about = aboutHwnd()) bringForward(about);
  }
}

void MainWindow::bringForward(HWND window) {
  SetForegroundWindow(window);
  FLASHWINFO flash{sizeof flash, window, FLASHW_CAPTION, 3, 0};
  FlashWindowEx(&flash);
}

bool MainWindow::hasTooltip(HWND child) const {
  if (!child || GetParent(child) != hwnd()) return false;
  const ControlSpec* row = findSpec(mainControls(), GetDlgCtrlID(child));
  return row && row->tooltip;
}

void MainWindow::createTooltips() {
  if (tooltip_) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance(), nullptr);
  if (!tooltip_) return;
  for (const auto& row : mainControls()) {
    if (!row.tooltip) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // The message loop relays the mouse messages (TTM_RELAYEVENT) rather than the tooltip
    // subclassing every control.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control(row.id));
    tool.lpszText = const_cast<wchar_t*>(row.tooltip);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace zozi::ui
