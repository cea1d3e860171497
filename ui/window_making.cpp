#include "window_making.h"

#include <commctrl.h>

#include "scale.h"

namespace zozi::ui {

HICON loadIconAt(HINSTANCE instance, int resource, int sizeMetric, UINT dpi) {
  const int size = systemMetric(sizeMetric, dpi);
  // LoadIconWithScaleDown (common controls 6, looked up: older ones lack it) picks the icon's
  // best image and scales it down smoothly. Not LoadIconMetric: that one sizes by the primary
  // monitor's scale, whatever monitor the window is on.
  using LoadScaledFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto loadScaled = [] {
    const HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    return controls ? reinterpret_cast<LoadScaledFn>(reinterpret_cast<void*>(
                          GetProcAddress(controls, "LoadIconWithScaleDown")))
                    : nullptr;
  }();
  HICON icon = nullptr;
  if (loadScaled &&
      SUCCEEDED(loadScaled(instance, MAKEINTRESOURCEW(resource), size, size, &icon))) {
    return icon;
  }
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0));
}

bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, name, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HFONT createCalibri(int centipoints, int weight, UINT dpi) {
  return CreateFontW(fontHeight(centipoints, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                     EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"Calibri");
}

ControlFonts::ControlFonts(std::span<const ControlSpec> table, UINT dpi) {
  for (const auto& row : table) {
    OwnedFont& font = fonts_[static_cast<std::size_t>(row.font)];
    if (font) continue;
    switch (row.font) {
      case FontRole::Window:
        font.reset(createCalibri(975, FW_NORMAL, dpi));
        break;
      case FontRole::Frame:
      case FontRole::Small:
        font.reset(createCalibri(825, FW_NORMAL, dpi));
        break;
      case FontRole::Title:
        font.reset(createCalibri(1200, FW_BOLD, dpi));
        break;
    }
  }
}

void createControls(HWND parent, HINSTANCE instance, std::span<const ControlSpec> table, UINT dpi,
                    const ControlFonts& fonts, std::span<HWND> made) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ControlSpec& row = table[i];
    const ControlClass cs = controlClass(row);
    // Made in place: under Wine every move of a window is a round trip to the server.
    const RECT r = controlRect(table, row, dpi);
    HWND control =
        CreateWindowExW(cs.exStyle, cs.className, row.text, cs.style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    if (i < made.size()) made[i] = control;
    if (!control) continue;
    // Checked now, while the option's group holds only the options made before it: checking an
    // automatic option walks its group to clear the others.
    if (row.checked) SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.forRole(row.font)), FALSE);
    // No text box cuts a long text at the default 32,767 characters.
    if (row.kind == Kind::Edit || row.kind == Kind::MultiEdit) {
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    }
  }
}

}  // namespace zozi::ui
