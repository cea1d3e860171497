// What the window tests read off controls and the program's surroundings: a control's font and
// the width of a text in it, the colours a window gives a control, its tooltips, an icon's size,
// whether Wine runs the test, and the folder the test program runs from.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace zozi::test {

inline LOGFONTW fontOf(HWND control) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  return font;
}

// Width of a text in a control's own font, in pixels.
inline int textWidth(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size.cx;
}

// An icon's width in pixels (0 for no icon).
inline int iconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// Whether the program runs under Wine rather than on Windows itself: Wine's ntdll exports
// wine_get_version, Windows' does not.
inline bool underWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The folder of the running test program, with its closing backslash: where the build puts the
// help file and the helper programs.
inline std::wstring programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The windows of this thread whose class has the given name (class names ignore case).
inline std::vector<HWND> windowsOfClass(const wchar_t* className) {
  struct Search {
    const wchar_t* name;
    std::vector<HWND> found;
  } search{className, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64]{};
        GetClassNameW(hwnd, name, 64);
        if (lstrcmpiW(name, s->name) == 0) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What the window answers when a control asks for its colours, and the text colour it set.
struct Colors {
  HBRUSH brush;
  COLORREF text;
};

inline Colors askColors(HWND main, HWND control, UINT message) {
  HDC dc = CreateCompatibleDC(nullptr);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(main, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  const COLORREF text = GetTextColor(dc);
  DeleteDC(dc);
  return {brush, text};
}

// The tooltip window a window owns, if it has one.
inline HWND tooltipOf(HWND main) {
  for (HWND tooltip : windowsOfClass(TOOLTIPS_CLASSW)) {
    if (GetWindow(tooltip, GW_OWNER) == main) return tooltip;
  }
  return nullptr;
}

// The tip a tooltip holds for a control of the window.
inline std::wstring tooltipText(HWND tooltip, HWND main, HWND control) {
  std::vector<wchar_t> buffer(INFOTIPSIZE + 1, L'\0');
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = main;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = buffer.data();
  SendMessageW(tooltip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&tool));
  return buffer.data();
}

}  // namespace zozi::test
