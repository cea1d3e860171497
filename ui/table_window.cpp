#include "table_window.h"

#include <utility>

#include "scale.h"

namespace zozi::ui {

WindowCore::~WindowCore() {
  if (!hwnd_) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

void WindowCore::destroyWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

HWND WindowCore::controlById(int id) const {
  const auto index = static_cast<std::size_t>(id - definition_.firstId);
  return id >= definition_.firstId && index < kSlots ? controls_[index] : nullptr;
}

bool WindowCore::makeWindow(HMENU menu, HWND placeBy, WNDPROC entry, void* self) {
  const WindowDefinition& def = definition_;
  if (!registerWindowClass(instance_, def.className, entry)) return false;
  // A window opened from another goes on that one's monitor, where the user is looking.
  const HMONITOR monitor = placeBy ? MonitorFromWindow(placeBy, MONITOR_DEFAULTTOPRIMARY)
                                   : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  const UINT dpi = placeBy ? windowDpi(placeBy) : systemDpi();
  const RECT place =
      centredFrame(monitor, def.clientTwips, dpi, def.style, def.exStyle, menu != nullptr);
  CreateWindowExW(def.exStyle, def.className, def.title, def.style, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, nullptr, menu, instance_,
                  self);
  return hwnd_ != nullptr;
}

bool WindowCore::makeControls() {
  const WindowDefinition& def = definition_;
  dpi_ = windowDpi(hwnd_);
  loadIcons();
  fonts_ = ControlFonts(def.controls, dpi_);
  if (def.controls.size() > kSlots) return false;
  std::array<HWND, kSlots> made{};
  createControls(hwnd_, instance_, def.controls, dpi_, fonts_, made);
  for (std::size_t i = 0; i < def.controls.size(); ++i) {
    if (!made[i]) return false;
    const auto index = static_cast<std::size_t>(def.controls[i].id - def.firstId);
    if (index < kSlots) controls_[index] = made[i];
  }
  return true;
}

void WindowCore::fitClientArea() {
  // Made on a monitor of another scale than the screen's, or with a menu bar that wraps: place
  // it again by what is measured.
  if (!hasClientSize(hwnd_, definition_.clientTwips, dpi_)) {
    placeCentred(hwnd_, definition_.clientTwips, dpi_);
  }
}

void WindowCore::changeScale(UINT dpi, const RECT& suggested) {
  const WindowDefinition& def = definition_;
  dpi_ = dpi;
  // The old fonts live until no control uses them any more.
  const ControlFonts old = std::exchange(fonts_, ControlFonts(def.controls, dpi_));
  // Each control by the handle kept for it, new font and new place in one pass; the moves in one
  // batch.
  HDWP batch = BeginDeferWindowPos(static_cast<int>(def.controls.size()));
  for (const auto& row : def.controls) {
    const HWND control = controlById(row.id);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.forRole(row.font)), FALSE);
    const RECT r = controlRect(def.controls, row, dpi_);
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (batch) {
      batch = DeferWindowPos(batch, control, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, flags);
    } else {
      SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
    }
  }
  if (batch) EndDeferWindowPos(batch);
  placeAt(hwnd_, def.clientTwips, dpi_, suggested);
  InvalidateRect(hwnd_, nullptr, TRUE);
  loadIcons();
}

void WindowCore::loadIcons() {
  if (definition_.icon == 0) return;
  // Alt+Tab's and the taskbar's icon, and the caption's, each at its size at this scale.
  OwnedIcon forTaskbar(loadIconAt(instance_, definition_.icon, SM_CXICON, dpi_));
  OwnedIcon forCaption(loadIconAt(instance_, definition_.icon, SM_CXSMICON, dpi_));
  if (forTaskbar)
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(forTaskbar.get()));
  if (forCaption)
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(forCaption.get()));
  // The window no longer shows the old ones: they can go.
  if (forTaskbar) bigIcon_ = std::move(forTaskbar);
  if (forCaption) smallIcon_ = std::move(forCaption);
}

void WindowCore::forgetWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.fill(nullptr);
}

}  // namespace zozi::ui
