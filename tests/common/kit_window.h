// A small table window of the kit's own, no window of the program's: what the window base does
// for every window (label colours, boxes with the focus kept, shortcut keys, tooltips, the input
// lent to another window) is tested on it once. Option groups are tested on the main window's.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "fake_shell.h"
#include "table_window.h"

namespace zozi::test {

class KitWindow : public ui::TableWindow<KitWindow, FakeShell> {
 public:
  enum : int {
    kField = 900,  // with a tip
    kOtherField,   // without one
    kRedLabel,     // a label of its own colour
    kPlainLabel,   // a label in the system's colour
    kButton,
    kShortcut = 950,  // Ctrl+K
  };
  static constexpr COLORREF kRed = 0x000000FF;

  explicit KitWindow(FakeShell& shell) : TableWindow(GetModuleHandleW(nullptr), shell) {}
  ~KitWindow() { destroyWindow(); }

  static const ui::WindowDefinition& definition() {
    using ui::Kind;
    static constexpr ui::ControlSpec controls[] = {
        {.id = kField,
         .name = L"field",
         .kind = Kind::Edit,
         .rect = {0, 0, 1200, 300},
         .tooltip = L"The field's tip"},
        {.id = kOtherField,
         .name = L"otherField",
         .kind = Kind::Edit,
         .rect = {1300, 0, 1200, 300}},
        {.id = kRedLabel,
         .name = L"redLabel",
         .kind = Kind::Label,
         .rect = {0, 1200, 700, 200},
         .text = L"Red",
         .textColor = kRed},
        {.id = kPlainLabel,
         .name = L"plainLabel",
         .kind = Kind::Label,
         .rect = {700, 1200, 700, 200},
         .text = L"Plain"},
        {.id = kButton,
         .name = L"button",
         .kind = Kind::Button,
         .rect = {1400, 1200, 700, 300},
         .text = L"Go",
         .tooltip = L"The button's tip"},
    };
    static constexpr ui::ShortcutSpec shortcuts[] = {{kShortcut, 'K', true}};
    static const ui::WindowDefinition kit{.className = L"ZoziKitWindow",
                                          .title = L"Kit",
                                          .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                          .clientTwips = {2880, 1800},
                                          .controls = controls,
                                          .shortcuts = shortcuts};
    return kit;
  }

  // Opens the window shown and in front, and runs what that queued.
  bool open() {
    if (!create()) return false;
    show(SW_SHOW);
    SetForegroundWindow(hwnd());
    return true;
  }
  // A message box of the window's, shown the one way the base offers; returns its answer.
  int box() {
    return showBox([this](HWND owner) { return services().show(owner, Notice{}); });
  }

  std::vector<int> commands;         // the menu and shortcut commands that reached the window
  std::function<void()> whileGoing;  // runs at WM_DESTROY, while the handle is a window

 private:
  friend class ui::TableWindow<KitWindow, FakeShell>;
  bool onCreate() { return true; }
  std::optional<LRESULT> dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
      if (lParam == 0) commands.push_back(LOWORD(wParam));  // not from a control
      return 0;
    }
    if (message == WM_DESTROY && whileGoing) whileGoing();
    return std::nullopt;
  }
};

}  // namespace zozi::test
