// The tooltips of a window's controls, from its table's tooltip column: made when the mouse
// first comes over a control that has one, and at once for a screen reader; nothing else needs
// them earlier, and start-up stays short. Also what the mouse does over a disabled window.
#include <windows.h>
#include <commctrl.h>

#include "table_window.h"

namespace zozi::ui {

void WindowCore::onSetCursor(HWND over, WORD hitTest, WORD mouseMessage) {
  // Every control asks its parent here first when the mouse is over it.
  if (!tooltipTried_ && hasTooltip(over)) makeTooltips();
  // A click on the window while it is disabled for another window. The system brings an owned
  // window forward and flashes it; the other has no owner, so this window does it, or the user
  // would see a window that takes no input and nothing to answer.
  const bool buttonDown = mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN ||
                          mouseMessage == WM_MBUTTONDOWN || mouseMessage == WM_XBUTTONDOWN ||
                          mouseMessage == WM_NCLBUTTONDOWN || mouseMessage == WM_NCRBUTTONDOWN;
  HWND other = lentTo();
  if (hitTest == static_cast<WORD>(HTERROR) && buttonDown && other) {
    SetForegroundWindow(other);
    services_.flash(other);
  }
}

bool WindowCore::hasTooltip(HWND child) const {
  const ControlSpec* row = rowOf(child);
  return row && row->tooltip;
}

void WindowCore::makeTooltips() {
  // Tried once: at the first hover or at creation for a screen reader, and again when a screen
  // reader starts.
  if (tooltipTried_) return;
  tooltipTried_ = true;
  bool any = false;
  for (const auto& row : definition_.controls) any = any || row.tooltip != nullptr;
  if (!any) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  if (!tooltip_) return;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlSpec& row = definition_.controls[i];
    if (!row.tooltip) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    // The message loop relays the mouse messages (TTM_RELAYEVENT) rather than the tooltip
    // subclassing every control.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = const_cast<wchar_t*>(row.tooltip);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace zozi::ui
