#include "scale.h"

#include "system_function.h"

namespace zozi::ui {

// Per-window scale functions exist from Windows 10 on; older systems get the screen's scale.

UINT windowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      systemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    if (const UINT dpi = getDpiForWindow(hwnd)) return dpi;
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : USER_DEFAULT_SCREEN_DPI;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

namespace {

// The outer rectangle around a client area of the given pixels, at the origin.
RECT frameAround(int width, int height, UINT dpi, DWORD style, DWORD exStyle, bool hasMenu) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi =
      systemFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT frame{0, 0, width, height};
  if (adjustForDpi) {
    adjustForDpi(&frame, style, hasMenu, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&frame, style, hasMenu, exStyle);
  }
  return frame;
}

}  // namespace

RECT centredOn(const RECT& work, int outerWidth, int outerHeight) {
  const ScreenRect place =
      centredOn(ScreenRect{work.left, work.top, work.right, work.bottom}, outerWidth, outerHeight);
  return RECT{place.left, place.top, place.right, place.bottom};
}

int systemMetric(int index, UINT dpi) {
  using GetMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi =
      systemFunction<GetMetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, dpi) : GetSystemMetrics(index);
}

UINT systemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem =
      systemFunction<GetDpiForSystemFn>(L"user32.dll", "GetDpiForSystem");
  if (getDpiForSystem) {
    if (const UINT dpi = getDpiForSystem()) return dpi;
  }
  return windowDpi(nullptr);
}

RECT centredFrame(const RECT& work, TwipSize clientTwips, UINT dpi, DWORD style, DWORD exStyle,
                  bool hasMenu) {
  const RECT frame = frameAround(twipsToPixels(clientTwips.cx, dpi),
                                 twipsToPixels(clientTwips.cy, dpi), dpi, style, exStyle, hasMenu);
  return centredOn(work, frame.right - frame.left, frame.bottom - frame.top);
}

bool hasClientSize(HWND hwnd, TwipSize clientTwips, UINT dpi) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client.right - client.left == twipsToPixels(clientTwips.cx, dpi) &&
         client.bottom - client.top == twipsToPixels(clientTwips.cy, dpi);
}

namespace {

// Corrects the frame by what is measured until the client area is width by height: a menu bar
// that wraps takes more lines than the estimate allowed, and one that wraps so far that no client
// area is left hides how much is missing, so the frame first grows until some shows.
// resize(outerWidth, outerHeight) gives the frame its new size.
template <typename Resize>
void fitClient(HWND hwnd, int width, int height, int outerWidth, int outerHeight, Resize resize) {
  for (int round = 0; round < 8; ++round) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.right == width && client.bottom == height) return;
    outerWidth += client.right > 0 ? width - client.right : outerWidth + width;
    outerHeight += client.bottom > 0 ? height - client.bottom : outerHeight + height;
    resize(outerWidth, outerHeight);
  }
}

}  // namespace

void placeCentred(HWND hwnd, TwipSize clientTwips, UINT dpi, const RECT& work) {
  const int width = twipsToPixels(clientTwips.cx, dpi);
  const int height = twipsToPixels(clientTwips.cy, dpi);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  const RECT frame = frameAround(width, height, dpi, style, exStyle, GetMenu(hwnd) != nullptr);
  const auto moveTo = [&](int outerWidth, int outerHeight) {
    const RECT place = centredOn(work, outerWidth, outerHeight);
    SetWindowPos(hwnd, nullptr, place.left, place.top, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  };
  const int outerWidth = frame.right - frame.left;
  const int outerHeight = frame.bottom - frame.top;
  moveTo(outerWidth, outerHeight);
  fitClient(hwnd, width, height, outerWidth, outerHeight, moveTo);
}

void placeAt(HWND hwnd, TwipSize clientTwips, UINT dpi, const RECT& suggested) {
  constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, flags);
  // Keep the client area exact, whatever the suggested frame assumed.
  fitClient(hwnd, twipsToPixels(clientTwips.cx, dpi), twipsToPixels(clientTwips.cy, dpi),
            suggested.right - suggested.left, suggested.bottom - suggested.top,
            [&](int outerWidth, int outerHeight) {
              SetWindowPos(hwnd, nullptr, 0, 0, outerWidth, outerHeight, flags | SWP_NOMOVE);
            });
}

void keepCaptionOn(HWND hwnd, const RECT& work) {
  constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  const LONG left = frame.left < work.left ? work.left : frame.left;
  const LONG top = frame.top < work.top ? work.top : frame.top;
  if (left != frame.left || top != frame.top) {
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, flags | SWP_NOSIZE);
  }
}

}  // namespace zozi::ui
