#include "window_making.h"

#include <commctrl.h>

#include <vector>

#include "scale.h"
#include "system_function.h"

namespace zozi::ui {

HICON loadIconAt(HINSTANCE instance, int resource, int sizeMetric, UINT dpi) {
  const int size = systemMetric(sizeMetric, dpi);
  // LoadIconWithScaleDown (common controls 6, looked up: older ones lack it) picks the icon's
  // best image and scales it down smoothly. Not LoadIconMetric: that one sizes by the primary
  // monitor's scale, whatever monitor the window is on.
  using LoadScaledFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
  static const auto loadScaled =
      systemFunction<LoadScaledFn>(L"comctl32.dll", "LoadIconWithScaleDown");
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

namespace {

// Calibri at a size in hundredths of a point, Central European character set.
HFONT createCalibri(int centipoints, int weight, UINT dpi) {
  return CreateFontW(fontHeight(centipoints, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                     EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"Calibri");
}

}  // namespace

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

HMENU createMenu(std::span<const MenuSpec> menu) {
  if (menu.empty()) return nullptr;
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const MenuSpec& row : menu) {
    switch (row.row) {
      case MenuRow::Popup:
        popup = CreatePopupMenu();
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), row.text);
        break;
      case MenuRow::Item:
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(row.id), row.text);
        break;
      case MenuRow::Separator:
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        break;
    }
  }
  return bar;
}

HACCEL createAccelerators(std::span<const ShortcutSpec> shortcuts) {
  std::vector<ACCEL> keys;
  keys.reserve(shortcuts.size());
  for (const ShortcutSpec& key : shortcuts) {
    keys.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)),
                         static_cast<WORD>(key.virtualKey), static_cast<WORD>(key.command)});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

namespace {

// The edit class's own procedure, to which the subclassed boxes hand on what they do not
// handle. All boxes of the class share it, so one copy serves them all; a window property per
// box would cost a round trip to the window server for every message under Wine.
WNDPROC editProcedure = nullptr;

}  // namespace

void subclassEdit(HWND edit, WNDPROC procedure) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  if (!previous) return;
  if (!editProcedure) editProcedure = previous;
  // A box that something else subclassed first keeps its own chain untouched.
  if (previous != editProcedure) {
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  }
}

LRESULT callEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(editProcedure, edit, message, wParam, lParam);
}

}  // namespace zozi::ui
