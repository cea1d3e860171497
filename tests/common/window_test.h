// The window tests' fixture: the main window on the scripted seam, created and shown before each
// test, and the ways a test reaches and drives it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "expected_texts.h"
#include "fake_shell.h"
#include "main_window.h"
#include "pump.h"

namespace zozi::test {

template <typename Seam>
class WindowTestWith : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(openWindow(window)); }

  HWND main() const { return window.hwnd(); }
  HWND item(int id) const { return window.control(id); }
  // The component fields' texts, red to alpha.
  std::vector<std::wstring> components() const {
    std::vector<std::wstring> texts;
    for (int id : kComponentFields) texts.push_back(textOf(item(id)));
    return texts;
  }

  void command(int id) { test::command(window, id); }
  void click(int id) { test::click(window, item(id)); }
  void click(HWND button) { test::click(window, button); }
  void pressKey(HWND target, UINT key, bool control = false, bool shift = false) {
    test::pressKey(window, target, key, control, shift);
  }
  void typeText(HWND target, const std::wstring& text) { test::typeText(window, target, text); }
  void pump() { pumpPending(window); }
  bool pumpUntil(const std::function<bool()>& condition, DWORD boundMs = 10000) {
    return test::pumpUntil(window, condition, boundMs);
  }
  // The system's word of a new scale to a window (by default the main one), with the frame it
  // suggests (by default the present one).
  void changeScale(UINT dpi, RECT suggested = {}, HWND target = nullptr) {
    if (!target) target = main();
    if (IsRectEmpty(&suggested)) GetWindowRect(target, &suggested);
    SendMessageW(target, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    pump();
  }
  // A mouse event over the tray icon, as the shell posts it to the window.
  void trayEvent(UINT code) {
    PostMessageW(main(), WM_MOUSEMOVE, 1, static_cast<LPARAM>(code));
    pump();
  }

  Seam shell;
  ui::MainWindow window{GetModuleHandleW(nullptr), shell, /*quitOnDestroy=*/false};
};

using WindowTest = WindowTestWith<FakeShell>;

// Whether a message box showed the text under the program's title, with the buttons and icon of
// the style.
inline ::testing::AssertionResult isBox(const BoxCall& box, const std::wstring& text, UINT style) {
  if (box.text == text && box.title == kTitle && box.style == style) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "the box shows \"" << box.text << "\" titled \""
                                       << box.title << "\" with style " << box.style;
}

}  // namespace zozi::test
