// Move-only owners for the window system's handles: each handle is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace zozi::ui {

template <typename Handle, typename Traits>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle h) : handle_(h) {}
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset(Handle h = Handle{}) {
    if (handle_ != Handle{}) Traits::close(handle_);
    handle_ = h;
  }
  Handle release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct FontTraits {
  static void close(HFONT h) { DeleteObject(h); }
};
struct IconTraits {
  static void close(HICON h) { DestroyIcon(h); }
};
struct AccelTraits {
  static void close(HACCEL h) { DestroyAcceleratorTable(h); }
};
struct MenuTraits {
  static void close(HMENU h) { DestroyMenu(h); }
};
struct ModuleTraits {
  static void close(HMODULE h) { FreeLibrary(h); }
};

using OwnedFont = Owned<HFONT, FontTraits>;
using OwnedIcon = Owned<HICON, IconTraits>;
using OwnedAccel = Owned<HACCEL, AccelTraits>;
using OwnedMenu = Owned<HMENU, MenuTraits>;
using OwnedModule = Owned<HMODULE, ModuleTraits>;

}  // namespace zozi::ui
