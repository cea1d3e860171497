// The machinery every window shares: a creation that fails leaves no half-made window, the client
// area is the table's whatever the menu bar takes, and what the base does with a window's table,
// seen on the kit's own window: label colours, option tab stops, boxes with the focus kept,
// shortcut keys and tooltips through the loop, and the input lent to another window.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bystander.h"
#include "controls.h"
#include "fake_shell.h"
#include "kit_window.h"
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

class WindowBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(0, 0);  // away from the window: no tooltip comes with the mouse
    ASSERT_TRUE(window.open());
    pumpPending();
  }
  HWND kit() const { return window.hwnd(); }
  HWND item(int id) const { return window.control(id); }
  // What the mouse over a control tells its window first.
  static void hover(HWND control, WORD message = WM_MOUSEMOVE) {
    SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(HTCLIENT, message));
  }

  FakeShell shell;
  KitWindow window{shell};
};

using Kit = KitWindow;

TEST_F(WindowBaseTest, ALabelTakesItsRowsColourOrInHighContrastTheSystems) {
  const struct {
    bool highContrast;
    int id;
    bool colouredByTheBase;
    COLORREF text;
  } cases[] = {
      {false, Kit::kRedLabel, true, Kit::kRed},
      {true, Kit::kRedLabel, true, GetSysColor(COLOR_BTNTEXT)},
      {true, Kit::kPlainLabel, false, 0},
      {false, Kit::kRedLabel, true, Kit::kRed},  // switched off again while the window is up
  };
  for (const auto& c : cases) {
    if (shell.highContrastOn != c.highContrast) {
      shell.highContrastOn = c.highContrast;
      // Switched on as a setting, off with the colour scheme.
      if (c.highContrast) {
        SendMessageW(kit(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
      } else {
        SendMessageW(kit(), WM_SYSCOLORCHANGE, 0, 0);
      }
      // The whole window is painted again, not only what is asked for next.
      RECT update{};
      EXPECT_TRUE(GetUpdateRect(item(Kit::kRedLabel), &update, FALSE)) << c.highContrast;
      pumpPending();
    }
    const Colors colors = askColors(kit(), item(c.id), WM_CTLCOLORSTATIC);
    if (c.colouredByTheBase) {
      EXPECT_EQ(colors.text, c.text) << c.id << " in high contrast: " << c.highContrast;
      EXPECT_EQ(colors.brush, GetSysColorBrush(COLOR_BTNFACE)) << c.id;
    } else {
      EXPECT_NE(colors.text, Kit::kRed) << c.id;
    }
  }
}

// A box disables its owner and may take the focus from it (FakeShell does both): the focus comes
// back to the control the user left only if the window is active and enabled after the box.
TEST_F(WindowBaseTest, ABoxGivesTheFocusBackOnlyToAWindowStillActiveAndEnabled) {
  Bystander other;
  const struct {
    const char* whileOpen;
    std::function<void(const BoxCall&)> happens;
    bool focusBack;
  } cases[] = {
      {"nothing", nullptr, true},
      {"another window comes forward",
       [&](const BoxCall&) {
         SetForegroundWindow(other.hwnd);
         pumpUntil([&] { return GetActiveWindow() == other.hwnd; });
       },
       false},
      {"the window stays disabled",
       [&](const BoxCall& box) {
         EnableWindow(box.owner, FALSE);
         SetFocus(nullptr);
       },
       false},
  };
  for (const auto& c : cases) {
    SetFocus(item(Kit::kOtherField));
    // The last case disables the window itself, for good.
    shell.boxDisablesOwner = &c != &cases[std::size(cases) - 1];
    shell.onBox = c.happens;
    window.box();
    EXPECT_EQ(GetFocus() == item(Kit::kOtherField), c.focusBack) << c.whileOpen;
    EnableWindow(kit(), TRUE);
    SetForegroundWindow(kit());
    ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == kit(); }));
  }
  EXPECT_EQ(shell.boxes.size(), std::size(cases));
}

// The loop asks the window a message is for: its own shortcut keys run its commands while it is
// shown and enabled, and its tooltip learns where the mouse is from the messages it relays.
TEST_F(WindowBaseTest, ItsShortcutKeysAndTooltipWorkThroughTheLoop) {
  pressKey(item(Kit::kField), 'K', /*control=*/true);
  EXPECT_EQ(window.commands, std::vector<int>{Kit::kShortcut});
  EnableWindow(kit(), FALSE);
  pressKey(item(Kit::kField), 'K', true);
  EnableWindow(kit(), TRUE);
  ShowWindow(kit(), SW_HIDE);
  pressKey(item(Kit::kField), 'K', true);
  ShowWindow(kit(), SW_SHOW);
  EXPECT_EQ(window.commands, std::vector<int>{Kit::kShortcut}) << "disabled or hidden";

  // The mouse resting on a button with a tip: the tooltip shows the button's tip.
  SetForegroundWindow(kit());
  RECT r{};
  GetWindowRect(item(Kit::kButton), &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  HWND tooltip = nullptr;
  ASSERT_TRUE(pumpUntil([&] {
    tooltip = tooltipOf(kit());
    return tooltip && IsWindowVisible(tooltip);
  }));
  std::vector<wchar_t> text(INFOTIPSIZE + 1, L'\0');
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.lpszText = text.data();
  ASSERT_TRUE(SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), item(Kit::kButton));
  EXPECT_STREQ(text.data(), L"The button's tip");
  // The tip comes from the loop, not from a subclassed control.
  EXPECT_FALSE(tool.uFlags & TTF_SUBCLASS);
  SetCursorPos(0, 0);
}

// The activation and the clicks a disabled window hands on are tested through About; here, that
// the loan goes with the other window, while its handle still names a window.
TEST_F(WindowBaseTest, ALoanToAnotherWindowGoesWithIt) {
  auto other = std::make_unique<KitWindow>(shell);
  ASSERT_TRUE(other->open());
  window.disableFor(*other);
  EXPECT_EQ(window.lentTo(), other->hwnd());
  HWND lentWhileGoing = other->hwnd();
  other->whileGoing = [&] { lentWhileGoing = window.lentTo(); };
  other.reset();
  EXPECT_EQ(lentWhileGoing, nullptr);
  EXPECT_FALSE(IsWindowEnabled(kit()));
  EXPECT_EQ(window.lentTo(), nullptr);
  EnableWindow(kit(), TRUE);
}

// Refuses to make tooltip windows while alive, and counts the tries.
class TooltipRefusal {
 public:
  TooltipRefusal() {
    tries_ = 0;
    hook_ = SetWindowsHookExW(WH_CBT, &refuse, nullptr, GetCurrentThreadId());
  }
  ~TooltipRefusal() { UnhookWindowsHookEx(hook_); }
  TooltipRefusal(const TooltipRefusal&) = delete;
  TooltipRefusal& operator=(const TooltipRefusal&) = delete;
  bool active() const { return hook_ != nullptr; }
  static int tries() { return tries_; }

 private:
  static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
      const wchar_t* name = create->lpcs->lpszClass;
      if (!IS_INTRESOURCE(name) && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
        ++tries_;
        return 1;
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_ = nullptr;
  inline static int tries_ = 0;
};

// The tooltips come at the first hover over a control with a tip, or at once for a screen
// reader (which reads the tips without a mouse), and as soon as one starts; a tooltip that
// cannot be made is not tried again at every hover.
TEST_F(WindowBaseTest, TooltipsComeAtTheFirstHoverOrForAScreenReaderAndAreTriedOnce) {
  constexpr LRESULT kTips = 2;  // the kit's rows with a tip
  const std::size_t tooltipsBefore = windowsOfClass(TOOLTIPS_CLASSW).size();
  EXPECT_EQ(tooltipOf(kit()), nullptr);
  hover(item(Kit::kPlainLabel));
  hover(item(Kit::kOtherField));
  EXPECT_EQ(tooltipOf(kit()), nullptr) << "over controls without a tip";
  hover(item(Kit::kField));
  HWND tooltip = tooltipOf(kit());
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), kTips);
  EXPECT_EQ(tooltipText(tooltip, kit(), item(Kit::kField)), L"The field's tip");

  // A screen reader running: there from the start.
  FakeShell readerShell;
  readerShell.screenReaderOn = true;
  KitWindow reading(readerShell);
  ASSERT_TRUE(reading.open());
  tooltip = tooltipOf(reading.hwnd());
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), kTips);

  // None without one, nor for another setting; a full set once one starts, and no second one.
  FakeShell plainShell;
  KitWindow plain(plainShell);
  ASSERT_TRUE(plain.open());
  const HWND hwnd = plain.hwnd();
  ASSERT_EQ(tooltipOf(hwnd), nullptr);
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  plainShell.screenReaderOn = true;
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  EXPECT_EQ(tooltipOf(hwnd), nullptr);
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
  tooltip = tooltipOf(hwnd);
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), kTips);
  SendMessageW(hwnd, WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
  EXPECT_EQ(windowsOfClass(TOOLTIPS_CLASSW).size(), tooltipsBefore + 3);

  // The tooltip window refused: one try however often the mouse comes, one more when a screen
  // reader starts, and made at the start of one after the refusal ends.
  FakeShell refusedShell;
  KitWindow refused(refusedShell);
  ASSERT_TRUE(refused.open());
  {
    const TooltipRefusal refusal;
    ASSERT_TRUE(refusal.active());
    for (int i = 0; i < 5; ++i) hover(refused.control(Kit::kButton));
    EXPECT_EQ(TooltipRefusal::tries(), 1);
    refusedShell.screenReaderOn = true;
    SendMessageW(refused.hwnd(), WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
    hover(refused.control(Kit::kButton));
    EXPECT_EQ(TooltipRefusal::tries(), 2);
  }
  EXPECT_EQ(tooltipOf(refused.hwnd()), nullptr);
  SendMessageW(refused.hwnd(), WM_SETTINGCHANGE, SPI_SETSCREENREADER, 0);
  EXPECT_NE(tooltipOf(refused.hwnd()), nullptr);
}

}  // namespace
}  // namespace zozi::test
