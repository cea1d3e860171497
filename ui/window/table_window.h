// What every window of the program does, in one place: its class, the entry procedure with its
// exception firewall, creation at its final size and centred, its menu, shortcut keys, icons and
// controls made from its table, the fonts per scale, a change of scale, the keyboard and focus as
// in a dialog, the tooltips of its table, and the end of the window. Each window is then its
// table, its rules and its commands:
//
//   class AboutWindow : public TableWindow<AboutWindow> {
//     // Class, styles, client area, control table, menu, shortcut keys and icon.
//     static const WindowDefinition& definition();
//     // After the controls are made; false fails the creation.
//     bool onCreate();
//     // Every message the base leaves; nullopt leaves it to the default handling.
//     std::optional<LRESULT> dispatch(UINT, WPARAM, LPARAM);
//     // Optional: after a change of scale, once controls, fonts and icons follow it.
//     void onScaleChanged();
//   };
//
// The base reads the table for what every window does with it: the colours of its labels, the
// tab stops of its option groups, the tooltips, shortcut keys and icon.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "handles.h"
#include "layout.h"
#include "window_making.h"
#include "window_services.h"

namespace zozi::ui {

struct WindowDefinition {
  const wchar_t* className;
  const wchar_t* title;
  DWORD style;
  DWORD exStyle = 0;
  TwipSize clientTwips;
  std::span<const ControlSpec> controls = {};    // in tab order
  std::span<const MenuSpec> menu = {};           // the menu bar; none when empty
  std::span<const ShortcutSpec> shortcuts = {};  // keys that run menu items
  int icon = 0;  // the window's icon resource, at the window's scale; 0: none
};

// The machinery itself, the same for every window: one copy in the program.
class WindowCore {
 public:
  WindowCore(const WindowCore&) = delete;
  WindowCore& operator=(const WindowCore&) = delete;

  // The table window that a window is, or is a control of; nullptr for any other window. The
  // message loop asks it for the shortcut keys and tooltips of the window a message is for.
  static WindowCore* owning(HWND hwnd);

  HWND hwnd() const { return hwnd_; }
  UINT dpi() const { return dpi_; }
  // A control of the table by its id: the handle kept beside its row.
  HWND control(int id) const;
  // The window's small icon (its caption's), at its scale.
  HICON smallIcon() const { return smallIcon_.get(); }
  HACCEL accelerators() const { return accelerators_.get(); }
  HWND tooltip() const { return tooltip_; }
  // The window this one lends its input to while it is disabled for it; nullptr when none, once
  // this one is enabled again, or once the other goes.
  HWND lentTo() const;
  // Disables the window for another one that has no owner (the system then links the two in
  // nothing): the focus is kept first, and until the window is enabled again its activation and
  // clicks go on to the other, as to an owned dialog.
  void disableFor(WindowCore& other);

  // Shows the window with the focus on its first control (or the one the user left).
  void show(int showCommand);

 protected:
  WindowCore(HINSTANCE instance, const WindowDefinition& definition, WindowServices& services);
  // A window still up when its owner goes is unloaded by the derived destructor (destroyWindow),
  // while the handlers' members still live; here it only goes without them.
  ~WindowCore();

  void destroyWindow();
  HINSTANCE instance() const { return instance_; }
  WindowServices& windowServices() const { return services_; }
  bool highContrast() const { return highContrast_; }

  // Gives the focus to the control the user left, or to the first one that takes it.
  void focusLastControl();

  // The one way the window shows one of its boxes (a message box, say): show(owner) opens it and
  // returns its answer. A box disables the window before it appears, and where that takes the
  // focus from the controls (older Wine and other window managers do; current Wine and Windows,
  // only from the window itself), a save at the deactivation would come too late: the focused
  // control is kept first, and given back after only if the window is still active and enabled.
  template <typename Show>
  auto showBox(Show&& show) -> decltype(show(HWND{})) {
    const FocusKept kept(*this);
    return show(hwnd_);
  }

  // Reading and writing the controls.
  std::wstring controlText(int id) const;
  bool isChecked(int id) const;
  // Writes the check only where it differs: each write is a round trip to the window system.
  void showCheck(int id, bool checked);

  // The steps of the entry procedure (TableWindow::entry).
  bool makeWindow(HMENU menu, HWND placeBy, WNDPROC entry);
  // WM_CREATE up to the window's own step: the scale, the icons, the fonts and the controls.
  bool makeControls();
  // WM_CREATE after the window's own step: the client area made exact where it is not.
  void fitClientArea();
  void changeScale(UINT dpi, const RECT& suggested);
  // What every window does with a message; nullopt leaves it to the window's own dispatch.
  std::optional<LRESULT> handleCommon(UINT message, WPARAM wParam, LPARAM lParam);
  void forgetWindow();

 private:
  template <typename Derived, typename Services>
  friend class TableWindow;

  // While alive, the focused control is kept; afterwards it is given back where the user left
  // it, if the window is active again and the focus is not already in it.
  class FocusKept {
   public:
    explicit FocusKept(WindowCore& window) : window_(window) { window_.saveFocus(); }
    ~FocusKept() { window_.restoreFocus(); }
    FocusKept(const FocusKept&) = delete;
    FocusKept& operator=(const FocusKept&) = delete;

   private:
    WindowCore& window_;
  };

  // Posted to itself: hand the activation on to the window the input is lent to, once the
  // activation at hand is done. The windows' own private messages start after it.
  static constexpr UINT kHandOnActivation = WM_APP + 1;

  // The row of one of the table's controls; nullptr for any other window.
  const ControlSpec* rowOf(HWND child) const;
  void loadIcons();
  void saveFocus();
  void restoreFocus();
  std::optional<LRESULT> onActivate(WORD state);
  void onHandOnActivation();
  void onNextControl(WPARAM wParam, LPARAM lParam);
  void onEnterKey();
  void keepOptionTabStops(HWND clicked);
  std::optional<LRESULT> onLabelColor(HDC dc, HWND child);
  void onSetCursor(HWND over, WORD hitTest, WORD mouseMessage);
  void onSettingChange(WPARAM setting);
  void onColorsChanged();
  void onGoing();
  bool hasTooltip(HWND child) const;
  void makeTooltips();

  // The program's table windows, all of its one window thread, in a list through themselves.
  inline static WindowCore* first_ = nullptr;
  WindowCore* next_ = nullptr;

  HWND hwnd_ = nullptr;
  HINSTANCE instance_;
  const WindowDefinition& definition_;
  WindowServices& services_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::vector<HWND> controls_;  // beside the table's rows: controls_[i] is row i's
  ControlFonts fonts_;
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  OwnedAccel accelerators_;
  HWND tooltip_ = nullptr;     // destroyed with the window, which owns it
  bool tooltipTried_ = false;  // set by the first try, made or not: none is tried at every hover
  HWND lastFocus_ = nullptr;
  WindowCore* lentTo_ = nullptr;  // cleared when that window goes
  bool highContrast_ = false;     // read at creation and whenever the system's colours change
};

// Services: what the window's own code asks of the system, a WindowServices or more (the
// program's seam); the base reaches the same object.
template <typename Derived, typename Services = WindowServices>
class TableWindow : public WindowCore {
 public:
  // Makes the window at its size for the scale, centred on the work area of placeBy's monitor or
  // of the primary one (its caption kept on the screen), with its menu, shortcut keys, icons and
  // controls; not shown. False when it could not be made, or when the window refused its
  // creation.
  bool create(HWND placeBy = nullptr) {
    OwnedMenu menu(createMenu(Derived::definition().menu));
    // The window owns the menu from its creation on; if it was not made, the owner frees it.
    if (!createWindow(menu.get(), placeBy)) return false;
    menu.release();
    return true;
  }

  // The window object behind a handle, if the handle is a window of this class.
  static Derived* fromHandle(HWND hwnd) {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&entry)) {
      return nullptr;
    }
    return static_cast<Derived*>(
        reinterpret_cast<WindowCore*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
  }

 protected:
  TableWindow(HINSTANCE instance, Services& services)
      : WindowCore(instance, Derived::definition(), services) {}

  // The object given at construction, as the window's own code knows it.
  Services& services() const { return static_cast<Services&>(windowServices()); }

  // create() with a menu bar of the caller's.
  bool createWindow(HMENU menu, HWND placeBy = nullptr) {
    return makeWindow(menu, placeBy, &entry);
  }

 private:
  static LRESULT CALLBACK entry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    WindowCore* core = nullptr;
    if (message == WM_NCCREATE) {
      core = static_cast<WindowCore*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      core->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(core));
    } else {
      core = reinterpret_cast<WindowCore*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!core) return DefWindowProcW(hwnd, message, wParam, lParam);
    Derived* self = static_cast<Derived*>(core);
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
          if (const std::optional<LRESULT> result = self->handleCommon(message, wParam, lParam)) {
            return *result;
          }
          if (const std::optional<LRESULT> result = self->dispatch(message, wParam, lParam)) {
            return *result;
          }
          break;
      }
    } catch (...) {
      // Nothing may cross the window procedure: a creation fails; any other event that throws
      // gets the default handling below, as one that no handler took.
      if (message == WM_CREATE) return -1;
    }
    // The handle the procedure received: the member is already cleared at WM_NCDESTROY.
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

}  // namespace zozi::ui
