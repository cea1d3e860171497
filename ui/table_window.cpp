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

bool WindowCore::makeWindow(HMENU menu, WNDPROC entry, void* self) {
  const WindowDefinition& def = definition_;
  if (!registerWindowClass(instance_, def.className, entry)) return false;
  const RECT place =
      centredFrame(def.clientTwips, systemDpi(), def.style, def.exStyle, menu != nullptr);
  CreateWindowExW(def.exStyle, def.className, def.title, def.style, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, nullptr, menu, instance_,
                  self);
  return hwnd_ != nullptr;
}

bool WindowCore::makeControls() {
  const WindowDefinition& def = definition_;
  dpi_ = windowDpi(hwnd_);
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
}

void WindowCore::forgetWindow() {
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  controls_.fill(nullptr);
}

}  // namespace zozi::ui
