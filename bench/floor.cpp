// The floor: the main window with its 34 controls and its menu bar, made in the most direct way
// (no fonts, tooltips, icon or logic). What the real window costs at the least; the launcher
// compares the program's start-up and memory with it.
#include <windows.h>

#include "layout.h"

namespace {

using zozi::ui::ControlSpec;
using zozi::ui::Kind;

constexpr wchar_t kFloorClassName[] = L"CorvelEditorZoziFloor";
constexpr wchar_t kFloorTitle[] = L"Corvel Editor Zozi Floor";

HMENU createMenuBar() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, zozi::ui::kMnuProceed, L"Proceed");
  AppendMenuW(file, MF_STRING, zozi::ui::kMnuClipboard, L"Clipboard\tCtrl+C");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, zozi::ui::kMnuMinimize, L"Minimize\tCtrl+M");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, zozi::ui::kMnuExit, L"Exit");
  HMENU help = CreatePopupMenu();
  AppendMenuW(help, MF_STRING, zozi::ui::kMnuHelpContents, L"Help Contents\tF1");
  AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(help, MF_STRING, zozi::ui::kMnuAbout, L"About");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"Help");
  return bar;
}

LRESULT CALLBACK floorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = floorProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFloorClassName;
  if (!RegisterClassExW(&wc)) return 1;

  // The screen's scale, the frame for the client area and the centred place, all before the
  // window exists, so that it is made once at its final size.
  HDC screen = GetDC(nullptr);
  const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, zozi::ui::twipsToPixels(zozi::ui::kMainClient.cx, dpi),
             zozi::ui::twipsToPixels(zozi::ui::kMainClient.cy, dpi)};
  AdjustWindowRectEx(&frame, style, TRUE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + ((work.right - work.left) - width) / 2;
  const int y = work.top + ((work.bottom - work.top) - height) / 2;

  HWND hwnd = CreateWindowExW(0, kFloorClassName, kFloorTitle, style, x, y, width, height, nullptr,
                              createMenuBar(), instance, nullptr);
  if (!hwnd) return 1;
  const auto table = zozi::ui::mainControls();
  for (const ControlSpec& row : table) {
    const zozi::ui::ControlClass cs = zozi::ui::controlClass(row);
    const RECT r = zozi::ui::controlRect(table, row, dpi);
    CreateWindowExW(cs.exStyle, cs.className, row.text, cs.style, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                    instance, nullptr);
  }
  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);

  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
