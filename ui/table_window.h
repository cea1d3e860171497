// What every window of the program does, in one place: its class, the entry procedure with its
// exception firewall, creation at its final size and centred, the controls made from its table,
// the fonts per scale, a change of scale and the end of the window. Each window is then its table
// and its handlers:
//
//   class AboutWindow : public TableWindow<AboutWindow> {
//     // Class, styles, client area and control table.
//     static const WindowDefinition& definition();
//     // After the controls are made; false fails the creation.
//     bool onCreate();
//     // Every other message; nullopt leaves it to the default handling.
//     std::optional<LRESULT> dispatch(UINT, WPARAM, LPARAM);
//   };
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "handles.h"
#include "layout.h"
#include "window_util.h"

namespace zozi::ui {

struct WindowDefinition {
  const wchar_t* className;
  const wchar_t* title;
  DWORD style;
  DWORD exStyle;
  TwipSize clientTwips;
  std::span<const ControlSpec> controls;
  int firstId;  // the controls' ids run from here, one after another
};

template <typename Derived>
class TableWindow {
 public:
  TableWindow(const TableWindow&) = delete;
  TableWindow& operator=(const TableWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  UINT dpi() const { return dpi_; }
  // A control by its id, kept from its creation: no lookup among the children.
  HWND control(int id) const {
    const auto index = static_cast<std::size_t>(id - Derived::definition().firstId);
    return id >= Derived::definition().firstId && index < controls_.size() ? controls_[index]
                                                                           : nullptr;
  }

 protected:
  explicit TableWindow(HINSTANCE instance) : instance_(instance) {}
  // A window still up when its owner goes is unloaded by the derived destructor (destroyWindow),
  // while the handlers' members still live; here it only goes without them.
  ~TableWindow() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }

  void destroyWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }

  // Makes the window at its size for the screen's scale, centred on the work area (its caption
  // kept on the screen), with its controls; not shown. False when it could not be made, or when
  // the window refused its creation.
  bool createWindow(HMENU menu) {
    const WindowDefinition& def = Derived::definition();
    if (!registerWindowClass(instance_, def.className, &entry)) return false;
    const RECT place =
        centredFrame(def.clientTwips, systemDpi(), def.style, def.exStyle, menu != nullptr);
    CreateWindowExW(def.exStyle, def.className, def.title, def.style, place.left, place.top,
                    place.right - place.left, place.bottom - place.top, nullptr, menu, instance_,
                    static_cast<Derived*>(this));
    return hwnd_ != nullptr;
  }

  HINSTANCE instance() const { return instance_; }
  const ControlFonts& fonts() const { return fonts_; }

 private:
  static LRESULT CALLBACK entry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Derived* self = nullptr;
    if (message == WM_NCCREATE) {
      self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    try {
      switch (message) {
        case WM_CREATE:
          // -1 makes the creation fail: no half-made window goes on.
          return self->onCreateBase() ? 0 : -1;
        case WM_DPICHANGED:
          self->onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
          return 0;
        case WM_NCDESTROY:
          self->onNcDestroy();
          break;  // the default handling frees what the system keeps for the window
        default:
          if (const std::optional<LRESULT> result = self->dispatch(message, wParam, lParam)) {
            return *result;
          }
          break;
      }
    } catch (...) {
      // Nothing may cross the window procedure: a creation fails, any other event is dropped.
      if (message == WM_CREATE) return -1;
    }
    // The handle the procedure received: the member is already cleared at WM_NCDESTROY.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  bool onCreateBase() {
    const WindowDefinition& def = Derived::definition();
    dpi_ = windowDpi(hwnd_);
    fonts_ = ControlFonts(def.controls, dpi_);
    std::vector<HWND> made(def.controls.size());
    createControls(hwnd_, instance_, def.controls, dpi_, fonts_, made);
    controls_.assign(made.size(), nullptr);
    for (std::size_t i = 0; i < made.size(); ++i) {
      if (!made[i]) return false;
      const auto index = static_cast<std::size_t>(def.controls[i].id - def.firstId);
      if (index < controls_.size()) controls_[index] = made[i];
    }
    if (!static_cast<Derived*>(this)->onCreate()) return false;
    // Made on a monitor of another scale than the screen's, or with a menu bar that wraps: place
    // it again by what is measured.
    if (!hasClientSize(hwnd_, def.clientTwips, dpi_)) placeCentred(hwnd_, def.clientTwips, dpi_);
    return true;
  }

  void onDpiChanged(UINT dpi, const RECT& suggested) {
    const WindowDefinition& def = Derived::definition();
    dpi_ = dpi;
    // The old fonts live until no control uses them any more.
    const ControlFonts old = std::exchange(fonts_, ControlFonts(def.controls, dpi_));
    for (const auto& row : def.controls) {
      SendMessageW(control(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.forRole(row.font)),
                   FALSE);
    }
    layoutControls(hwnd_, def.controls, dpi_);
    placeAt(hwnd_, def.clientTwips, dpi_, suggested);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  void onNcDestroy() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    controls_.assign(controls_.size(), nullptr);
  }

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::vector<HWND> controls_;
  ControlFonts fonts_;
};

}  // namespace zozi::ui
