#include "minimize_to_tray.h"

#include <cstring>

namespace zozi::ui {

NOTIFYICONDATAA makeTrayIconData(HWND window, HICON icon) {
  NOTIFYICONDATAA data{};
  // The first version's size for this build: 88 bytes with 32-bit handles, 104 with 64-bit.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = icon;
  // The tip, one NUL, then spaces up to the 64th character; never past the field.
  static_assert(sizeof kTrayTip <= kTrayTipField);
  static_assert(sizeof data.szTip >= kTrayTipField);
  std::memset(data.szTip, ' ', kTrayTipField);
  std::memcpy(data.szTip, kTrayTip, sizeof kTrayTip);
  return data;
}

}  // namespace zozi::ui
