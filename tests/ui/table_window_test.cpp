// The machinery both windows share: a creation that fails leaves no half-made window, and the
// client area is the table's whatever the menu bar takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "controls.h"
#include "fake_shell.h"
#include "pump.h"
#include "table_window.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

enum class Step { Succeeds, Throws, ReturnsFalse };

class TestWindow : public TableWindow<TestWindow> {
 public:
  explicit TestWindow(Step step) : TableWindow(GetModuleHandleW(nullptr), services_), step_(step) {}
  ~TestWindow() { destroyWindow(); }
  bool createWithMenu(HMENU menu) { return createWindow(menu); }

  // Two inches by half an inch: whole pixels at any scale.
  static constexpr TwipSize kClient{2880, 720};
  // Ids in no order and with gaps, one far from the others.
  static constexpr ControlSpec kControls[] = {
      {.id = 500, .name = L"far", .kind = Kind::Button, .rect = {0, 0, 600, 300}, .text = L"A"},
      {.id = 7, .name = L"low", .kind = Kind::Button, .rect = {700, 0, 600, 300}, .text = L"B"},
      {.id = 42, .name = L"mid", .kind = Kind::Edit, .rect = {1400, 0, 600, 300}},
  };
  static const WindowDefinition& definition() {
    static const WindowDefinition test{.className = L"ZoziTestTableWindow",
                                       .title = L"Test",
                                       .style = WS_OVERLAPPEDWINDOW,
                                       .clientTwips = kClient,
                                       .controls = kControls};
    return test;
  }

 private:
  friend class TableWindow<TestWindow>;
  bool onCreate() {
    if (step_ == Step::Throws) throw std::runtime_error("no resources");
    return step_ == Step::Succeeds;
  }
  std::optional<LRESULT> dispatch(UINT, WPARAM, LPARAM) { return std::nullopt; }

  inline static FakeShell services_;
  Step step_;
};

TEST(TableWindowTest, AFailedCreationStepLeavesNoWindow) {
  for (Step step : {Step::Throws, Step::ReturnsFalse}) {
    TestWindow failing(step);
    EXPECT_FALSE(failing.create());
    EXPECT_EQ(failing.hwnd(), nullptr);
    EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow").size(), 0u);
  }
  TestWindow working(Step::Succeeds);
  EXPECT_TRUE(working.create());
  EXPECT_EQ(windowsOfClass(L"ZoziTestTableWindow").size(), 1u);
}

// Each control is found by its id, however the table's ids run.
TEST(TableWindowTest, EveryControlIsFoundByItsIdWhateverTheIdsAre) {
  TestWindow window(Step::Succeeds);
  ASSERT_TRUE(window.create());
  for (const auto& [id, text] : {std::pair{500, L"A"}, std::pair{7, L"B"}, std::pair{42, L""}}) {
    const HWND child = window.control(id);
    ASSERT_NE(child, nullptr) << id;
    EXPECT_EQ(GetParent(child), window.hwnd());
    EXPECT_EQ(GetDlgCtrlID(child), id);
    EXPECT_EQ(textOf(child), text);
  }
  EXPECT_EQ(window.control(8), nullptr);
  EXPECT_EQ(window.control(0), nullptr);
}

// A menu bar of that many long titles wraps: to a second line with a few, and with many so far
// that a frame estimated for one line has no client area left at all.
TEST(TableWindowTest, AWrappingMenuBarKeepsTheTablesClientSize) {
  for (int titles : {3, 40}) {
    HMENU bar = CreateMenu();
    for (int i = 0; i < titles; ++i) {
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()),
                  (L"Quite a long title " + std::to_wstring(i)).c_str());
    }
    TestWindow window(Step::Succeeds);
    ASSERT_TRUE(window.createWithMenu(bar));
    const int dpi = static_cast<int>(window.dpi());
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(client.right, 2 * dpi) << titles << " titles";
    EXPECT_EQ(client.bottom, dpi / 2) << titles << " titles";
    MENUBARINFO info{};
    info.cbSize = sizeof info;
    GetMenuBarInfo(window.hwnd(), OBJID_MENU, 0, &info);
    EXPECT_GT(info.rcBar.bottom - info.rcBar.top, GetSystemMetrics(SM_CYMENU) + 2)
        << "the menu bar does not wrap with " << titles << " titles";
  }
}

}  // namespace
}  // namespace zozi::test
