// The clipboard as the tests see it: what is on it, and putting something there as another
// program would. Opening is retried briefly, since the program under test may hold it a moment.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace zozi::test {

inline bool openClipboardSoon() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(10);
  }
  return false;
}

inline std::wstring clipboardText() {
  std::wstring text;
  if (!openClipboardSoon()) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

inline void putOnClipboard(const std::wstring& text) {
  if (!openClipboardSoon()) return;
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(block), text.c_str(), bytes);
  GlobalUnlock(block);
  if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
  CloseClipboard();
}

}  // namespace zozi::test
