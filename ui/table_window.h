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

#include <array>
#include <optional>
#include <span>

#include "layout.h"
#include "window_making.h"

namespace zozi::ui {

struct WindowDefinition {
  const wchar_t* className;
  const wchar_t* title;
  DWORD style;
  DWORD exStyle;
  TwipSize clientTwips;
  std::span<const ControlSpec> controls;
  int firstId;   // the controls' ids run from here, one after another
  int icon = 0;  // the window's icon resource, at the window's scale; 0: none
};

// The machinery itself, the same for every window: one copy in the program.
class WindowCore {
 public:
  WindowCore(const WindowCore&) = delete;
  WindowCore& operator=(const WindowCore&) = delete;

  HWND hwnd() const { return hwnd_; }
  UINT dpi() const { return dpi_; }
  // The window's small icon (its caption's), at its scale.
  HICON smallIcon() const { return smallIcon_.get(); }

 protected:
  WindowCore(HINSTANCE instance, const WindowDefinition& definition)
      : instance_(instance), definition_(definition) {}
  // A window still up when its owner goes is unloaded by the derived destructor (destroyWindow),
  // while the handlers' members still live; here it only goes without them.
  ~WindowCore();

  void destroyWindow();
  HINSTANCE instance() const { return instance_; }
  // A control by its id, kept from its creation: no lookup among the children.
  HWND controlById(int id) const;
  // Made centred on the monitor of placeBy (the primary one without it), at its scale.
  bool makeWindow(HMENU menu, HWND placeBy, WNDPROC entry, void* self);
  // WM_CREATE up to the window's own step: the scale, the fonts and the controls.
  bool makeControls();
  // WM_CREATE after the window's own step: the client area made exact where it is not.
  void fitClientArea();
  void changeScale(UINT dpi, const RECT& suggested);
  void forgetWindow();

  HWND hwnd_ = nullptr;

 private:
  // The window's icons at its scale, set on it; the ones they replace are freed once replaced.
  void loadIcons();

  // Enough for the largest table; a control is found by its id's offset.
  static constexpr std::size_t kSlots = 40;

  HINSTANCE instance_;
  const WindowDefinition& definition_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::array<HWND, kSlots> controls_{};
  ControlFonts fonts_;
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
};

template <typename Derived>
class TableWindow : public WindowCore {
 public:
  HWND control(int id) const { return controlById(id); }

 protected:
  explicit TableWindow(HINSTANCE instance) : WindowCore(instance, Derived::definition()) {}

  // Makes the window at its size for the scale, centred on the work area of placeBy's monitor or
  // of the primary one (its caption kept on the screen), with its controls; not shown. False
  // when it could not be made, or when the window refused its creation.
  bool createWindow(HMENU menu, HWND placeBy = nullptr) {
    return makeWindow(menu, placeBy, &entry, static_cast<Derived*>(this));
  }

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
          if (!self->makeControls() || !self->onCreate()) return -1;
          self->fitClientArea();
          return 0;
        case WM_DPICHANGED:
          self->changeScale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
          if constexpr (requires { self->onScaleChanged(); }) self->onScaleChanged();
          return 0;
        case WM_NCDESTROY:
          self->forgetWindow();
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
};

}  // namespace zozi::ui
