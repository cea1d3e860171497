// The tray icon and the About window, driven for real.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

#include "bystander.h"
#include "controls.h"
#include "expected_places.h"
#include "scale.h"
#include "window_test.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

// The tip as the shell must receive it: the text, one NUL, spaces to the 64th byte.
std::string expectedTip() {
  std::string tip = "Restore Corvel Editor Zozi";
  tip.push_back('\0');
  tip.resize(64, ' ');
  return tip;
}

bool sameRecord(const NOTIFYICONDATAA& a, const NOTIFYICONDATAA& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The fake shell, also noting whether the main window was on screen at each tray call, so the
// order of hiding, showing and the shell calls can be checked.
class WatchingShell : public FakeShell {
 public:
  BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) override {
    visibleAtCall.push_back(watched && IsWindowVisible(watched));
    return FakeShell::notifyIcon(message, data);
  }
  HWND watched = nullptr;
  std::vector<bool> visibleAtCall;
};

class TrayAboutTest : public WindowTestWith<WatchingShell> {
 protected:
  void SetUp() override {
    WindowTestWith::SetUp();
    shell.watched = main();
  }

  HWND about() const { return window.aboutHwnd(); }
  HWND aboutClose() const { return GetDlgItem(about(), kAboutCloseButton); }

  void taskbarCreated() {
    SendMessageW(main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    pump();
  }

  // Exactly one add since `from`, carrying the record the shell expects for this window.
  void expectOneAddSince(std::size_t from) {
    ASSERT_EQ(shell.trayCalls.size(), from + 1);
    const TrayCall& call = shell.trayCalls[from];
    EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
    const NOTIFYICONDATAA& d = call.data;
    EXPECT_EQ(d.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE));
    EXPECT_EQ(d.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(d.hWnd, main());
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, 7u);
    EXPECT_EQ(d.uCallbackMessage, 512u);
    // The caption's icon, the size the notification area shows: 16 pixels at 96 dpi.
    EXPECT_EQ(d.hIcon, reinterpret_cast<HICON>(SendMessageW(main(), WM_GETICON, ICON_SMALL, 0)));
    EXPECT_EQ(iconWidth(d.hIcon), MulDiv(16, static_cast<int>(windowDpi(main())), 96));
    EXPECT_EQ(std::string(d.szTip, 64), expectedTip());
  }

  void openAbout() {
    command(kMnuAbout);
    ASSERT_NE(about(), nullptr);
    ASSERT_TRUE(IsWindowVisible(about()));
  }

  // The About window is gone and the main window is back in charge.
  void expectAboutClosed() {
    EXPECT_TRUE(windowsOfClass(kAboutClassName).empty());
    EXPECT_TRUE(IsWindowEnabled(main()));
    ASSERT_TRUE(pumpUntil(
        [&] {
          // The focus goes back to a control, so typing goes on where the user left off.
          return IsChild(main(), GetFocus()) != FALSE;
        },
        2000))
        << "focus is on " << GetFocus();
  }
};

// Tray.

TEST_F(TrayAboutTest, CtrlMHidesTheWindowAndAddsOneIcon) {
  SetFocus(item(kEntryText));
  pressKey(item(kEntryText), 'M', /*control=*/true);
  EXPECT_FALSE(IsWindowVisible(main()));
  EXPECT_TRUE(IsWindow(main()));
  expectOneAddSince(0);
}

TEST_F(TrayAboutTest, MinimizeMenuItemHidesTheWindowAndAddsOneIcon) {
  command(kMnuMinimize);
  EXPECT_FALSE(IsWindowVisible(main()));
  expectOneAddSince(0);
  // The window's copy of the record is what went to the shell.
  EXPECT_TRUE(sameRecord(window.tray().data(), shell.trayCalls[0].data));
}

TEST_F(TrayAboutTest, OnlyLeftPressAndRightReleaseOnTheIconRestore) {
  for (UINT code = 512; code <= 521; ++code) {
    SCOPED_TRACE(code);
    if (IsWindowVisible(main())) command(kMnuMinimize);
    ASSERT_FALSE(IsWindowVisible(main()));
    const std::size_t before = shell.trayCalls.size();
    const NOTIFYICONDATAA added = shell.trayCalls.back().data;
    trayEvent(code);
    if (code == WM_LBUTTONDOWN || code == WM_RBUTTONUP) {
      EXPECT_TRUE(IsWindowVisible(main()));
      ASSERT_EQ(shell.trayCalls.size(), before + 1);
      EXPECT_EQ(shell.trayCalls.back().message, static_cast<DWORD>(NIM_DELETE));
      EXPECT_TRUE(sameRecord(shell.trayCalls.back().data, added));
    } else {
      EXPECT_FALSE(IsWindowVisible(main()));
      EXPECT_EQ(shell.trayCalls.size(), before);
    }
  }
}

TEST_F(TrayAboutTest, MinimiseRestoreMinimiseAddsOneIconEachTime) {
  command(kMnuMinimize);
  expectOneAddSince(0);
  trayEvent(WM_RBUTTONUP);
  ASSERT_TRUE(IsWindowVisible(main()));
  SetFocus(item(kEntryText));
  pressKey(item(kEntryText), 'M', /*control=*/true);
  ASSERT_FALSE(IsWindowVisible(main()));
  expectOneAddSince(2);
  ASSERT_EQ(shell.trayCalls.size(), 3u);
  EXPECT_EQ(shell.trayCalls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_TRUE(sameRecord(shell.trayCalls[0].data, shell.trayCalls[2].data));
  // Hidden before each add; shown again before the restore's delete.
  EXPECT_EQ(shell.visibleAtCall, (std::vector<bool>{false, true, false}));
  // The hidden window takes no shortcut, so a second press cannot add a second icon.
  pressKey(item(kEntryText), 'M', /*control=*/true);
  EXPECT_EQ(shell.trayCalls.size(), 3u);
}

TEST_F(TrayAboutTest, UnloadSendsTheDeleteWithTheRecordAsItStands) {
  DestroyWindow(main());
  ASSERT_EQ(shell.trayCalls.size(), 1u);
  EXPECT_EQ(shell.trayCalls[0].message, static_cast<DWORD>(NIM_DELETE));
  const NOTIFYICONDATAA zero{};
  EXPECT_TRUE(sameRecord(shell.trayCalls[0].data, zero));
  EXPECT_EQ(shell.trayCalls[0].data.cbSize, 0u);
  EXPECT_EQ(shell.trayCalls[0].data.hWnd, nullptr);
  EXPECT_EQ(shell.trayCalls[0].data.uID, 0u);
}

TEST_F(TrayAboutTest, UnloadWhileInTheTrayDeletesTheIcon) {
  const HWND hwnd = main();
  command(kMnuMinimize);
  const NOTIFYICONDATAA added = shell.trayCalls.at(0).data;
  DestroyWindow(hwnd);
  ASSERT_EQ(shell.trayCalls.size(), 2u);
  EXPECT_EQ(shell.trayCalls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_TRUE(sameRecord(shell.trayCalls[1].data, added));
}

TEST_F(TrayAboutTest, RefusedAddShowsTheWindowAgainAtOnce) {
  shell.refuseAdds = {true};
  command(kMnuMinimize);
  EXPECT_TRUE(IsWindowVisible(main()));
  expectOneAddSince(0);
  // No icon is believed to be there: a recreated notification area gets none.
  taskbarCreated();
  EXPECT_EQ(shell.trayCalls.size(), 1u);
  // The next attempt, accepted, works as usual.
  command(kMnuMinimize);
  EXPECT_FALSE(IsWindowVisible(main()));
  expectOneAddSince(1);
}

TEST_F(TrayAboutTest, RecreatedNotificationAreaGetsTheIconBackOnlyWhileHidden) {
  taskbarCreated();
  EXPECT_TRUE(shell.trayCalls.empty());
  command(kMnuMinimize);
  taskbarCreated();
  EXPECT_FALSE(IsWindowVisible(main()));
  expectOneAddSince(1);
  EXPECT_TRUE(sameRecord(shell.trayCalls[0].data, shell.trayCalls[1].data));
  trayEvent(WM_LBUTTONDOWN);
  ASSERT_TRUE(IsWindowVisible(main()));
  const std::size_t afterRestore = shell.trayCalls.size();
  taskbarCreated();
  EXPECT_EQ(shell.trayCalls.size(), afterRestore);
}

// Wine keeps its notification area in the virtual desktop; the icon can be asked about there.
TEST_F(TrayAboutTest, RealShellHoldsTheIconOnlyWhileInTheTray) {
  shell.useRealTray = true;
  const auto iconExists = [&] {
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = main();
    probe.uID = 1;
    probe.uFlags = NIF_TIP;
    constexpr char kTip[] = "Restore Corvel Editor Zozi";
    static_assert(sizeof kTip <= sizeof probe.szTip);
    std::memcpy(probe.szTip, kTip, sizeof kTip);
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
  };
  EXPECT_FALSE(iconExists());
  command(kMnuMinimize);
  // Still hidden: the real shell took the add (a refusal would have shown the window).
  ASSERT_FALSE(IsWindowVisible(main()));
  EXPECT_TRUE(iconExists());
  trayEvent(WM_LBUTTONDOWN);
  ASSERT_TRUE(IsWindowVisible(main()));
  EXPECT_FALSE(iconExists());
}

// About.

TEST_F(TrayAboutTest, AboutOpensCentredAsASmallToolWindowWithItsTexts) {
  openAbout();
  const HWND box = about();
  EXPECT_EQ(textOf(box), L"About");
  wchar_t name[64]{};
  GetClassNameW(box, name, 64);
  EXPECT_STREQ(name, kAboutClassName);
  EXPECT_TRUE(GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongPtrW(box, GWL_STYLE) &
               (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  // The program's icon, loaded at About's own scale (the main window's may be another).
  EXPECT_EQ(iconWidth(reinterpret_cast<HICON>(SendMessageW(box, WM_GETICON, ICON_BIG, 0))),
            MulDiv(32, static_cast<int>(windowDpi(box)), 96));

  const UINT dpi = windowDpi(box);
  RECT client{};
  GetClientRect(box, &client);
  EXPECT_EQ(client.right, pixelsFor(3255, dpi));
  EXPECT_EQ(client.bottom, pixelsFor(1575, dpi));

  RECT frame{};
  GetWindowRect(box, &frame);
  MONITORINFO monitor{sizeof monitor, {}, {}, 0};
  GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 4);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 4);

  const HWND label1 = GetDlgItem(box, kAboutLabel1);
  EXPECT_EQ(textOf(label1), L"TarsaTask Hint Editor Zozi");
  const LOGFONTW title = fontOf(label1);
  EXPECT_STREQ(title.lfFaceName, L"Calibri");
  EXPECT_EQ(title.lfWeight, FW_BOLD);
  EXPECT_EQ(title.lfHeight, fontHeightFor(1200, dpi));
  EXPECT_EQ(title.lfCharSet, EASTEUROPE_CHARSET);

  const HWND label2 = GetDlgItem(box, kAboutLabel2);
  EXPECT_EQ(textOf(label2), L"ver.: 1.21");
  EXPECT_EQ(fontOf(label2).lfHeight, fontHeightFor(975, dpi));
  EXPECT_EQ(fontOf(label2).lfWeight, FW_NORMAL);

  // The author line: a name and a year.
  const std::wstring author = textOf(GetDlgItem(box, kAboutLabel3));
  EXPECT_GE(author.size(), 6u);
  EXPECT_TRUE(std::iswdigit(author.back()) && author.find(L"20") != std::wstring::npos) << author;

  const HWND label4 = GetDlgItem(box, kAboutLabel4);
  EXPECT_NE(textOf(label4).find(L'.'), std::wstring::npos);
  const LOGFONTW small = fontOf(label4);
  EXPECT_STREQ(small.lfFaceName, L"Calibri");
  EXPECT_EQ(small.lfHeight, fontHeightFor(825, dpi));
  EXPECT_EQ(small.lfWeight, FW_NORMAL);

  // Close sits at the lower right of the frame: 2160, 960 in the client area, 855 by 375.
  const HWND close = GetDlgItem(box, kAboutCloseButton);
  EXPECT_EQ(textOf(close), L"Close");
  RECT button{};
  GetWindowRect(close, &button);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_NEAR(button.left, pixelsFor(2160, dpi), 1);
  EXPECT_NEAR(button.top, pixelsFor(960, dpi), 1);
  EXPECT_NEAR(button.right - button.left, pixelsFor(855, dpi), 1);
  EXPECT_NEAR(button.bottom - button.top, pixelsFor(375, dpi), 1);

  EXPECT_EQ(GetFocus(), close);
  EXPECT_FALSE(IsWindowEnabled(main()));
}

TEST_F(TrayAboutTest, WhileAboutIsOpenTheMainShortcutsAndEscapeDoNothing) {
  const HWND entry = item(kEntryText);
  openAbout();
  const HWND close = aboutClose();
  for (HWND target : {entry, close}) {
    pressKey(target, 'C', /*control=*/true);
    pressKey(target, 'M', /*control=*/true);
    pressKey(target, VK_F1);
  }
  EXPECT_TRUE(shell.clipboardCalls.empty());
  EXPECT_TRUE(shell.trayCalls.empty());
  EXPECT_TRUE(shell.helpCalls.empty());
  EXPECT_TRUE(IsWindowVisible(main()));

  pressKey(close, VK_ESCAPE);
  ASSERT_NE(about(), nullptr);
  EXPECT_TRUE(IsWindowVisible(about()));
  EXPECT_FALSE(IsWindowEnabled(main()));

  // Once it is closed the shortcuts are alive again.
  click(close);
  expectAboutClosed();
  pressKey(entry, 'M', /*control=*/true);
  EXPECT_FALSE(IsWindowVisible(main()));
  expectOneAddSince(0);
}

TEST_F(TrayAboutTest, CloseButtonHandsTheMainWindowBackAndAboutOpensAfresh) {
  openAbout();
  click(aboutClose());
  expectAboutClosed();

  openAbout();
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(textOf(GetDlgItem(about(), kAboutLabel1)), L"TarsaTask Hint Editor Zozi");
  EXPECT_EQ(textOf(GetDlgItem(about(), kAboutLabel2)), L"ver.: 1.21");
  EXPECT_EQ(GetFocus(), aboutClose());
  click(aboutClose());
  expectAboutClosed();
}

TEST_F(TrayAboutTest, CloseBoxAndAltF4DoWhatCloseDoes) {
  openAbout();
  SendMessageW(about(), WM_CLOSE, 0, 0);
  pump();
  expectAboutClosed();

  openAbout();
  // The close box and Alt+F4 both arrive as the system menu's Close.
  SendMessageW(about(), WM_SYSCOMMAND, SC_CLOSE, 0);
  pump();
  expectAboutClosed();
}

TEST_F(TrayAboutTest, AboutCommandWhileOpenKeepsTheOneWindow) {
  openAbout();
  const HWND first = about();
  window.aboutCommand();
  pump();
  EXPECT_EQ(about(), first);
  EXPECT_EQ(windowsOfClass(kAboutClassName).size(), 1u);
  EXPECT_FALSE(IsWindowEnabled(main()));
}

TEST_F(TrayAboutTest, ClosingAboutActivatesTheMainWindowNotAnotherOne) {
  Bystander other;
  openAbout();
  // Another program's window lies below the main window, which lies below About.
  SetWindowPos(other.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  pump();
  other.activations = 0;
  click(aboutClose());
  expectAboutClosed();
  EXPECT_EQ(other.activations, 0);
  EXPECT_EQ(GetActiveWindow(), main());
}

TEST_F(TrayAboutTest, AboutActivatedAgainPutsTheFocusBackOnClose) {
  Bystander other;
  openAbout();
  const HWND close = aboutClose();
  SetForegroundWindow(other.hwnd);
  pumpUntil([&] { return GetActiveWindow() == other.hwnd; });
  // A click on About's title bar activates it.
  SetForegroundWindow(about());
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == about(); }));
  EXPECT_EQ(GetFocus(), close);
  // So Space presses it.
  pressKey(GetFocus(), VK_SPACE);
  expectAboutClosed();
}

// The taskbar button or Alt+Tab brings the disabled main window forward while About is open:
// the activation goes on to About, as the system does for an owned dialog.
TEST_F(TrayAboutTest, MainWindowBroughtForwardHandsTheActivationToAbout) {
  Bystander other;
  openAbout();
  SetForegroundWindow(other.hwnd);
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == other.hwnd; }));
  SetForegroundWindow(main());
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == about(); }));
  EXPECT_EQ(GetFocus(), aboutClose());
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(GetWindow(about(), GW_OWNER), nullptr);
}

// Another program's window covers About, and the user clicks the disabled main window: About
// comes forward and flashes (the system does it for an owned window; About has none).
TEST_F(TrayAboutTest, AClickOnTheDisabledMainWindowBringsAboutForward) {
  Bystander other;
  openAbout();
  SetForegroundWindow(other.hwnd);
  ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == other.hwnd; }));
  // The mouse only passing over it changes nothing.
  SendMessageW(main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(main()),
               MAKELPARAM(HTERROR, WM_MOUSEMOVE));
  pump();
  EXPECT_EQ(GetForegroundWindow(), other.hwnd);
  EXPECT_TRUE(shell.flashes.empty());
  SendMessageW(main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(main()),
               MAKELPARAM(HTERROR, WM_LBUTTONDOWN));
  ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == about(); }));
  EXPECT_EQ(shell.flashes, std::vector<HWND>{about()});  // and flashes it
  EXPECT_EQ(GetFocus(), aboutClose());
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(GetWindow(about(), GW_OWNER), nullptr);
}

// A new scale: both windows' icons at their sizes for it, and the tray shows the new one.
TEST_F(TrayAboutTest, AChangeOfScaleReloadsTheIconsOfTheWindowsAndTheTray) {
  const auto iconOf = [](HWND owner, WPARAM which) {
    return iconWidth(reinterpret_cast<HICON>(SendMessageW(owner, WM_GETICON, which, 0)));
  };
  command(kMnuMinimize);
  const std::size_t before = shell.trayCalls.size();
  changeScale(144);
  EXPECT_EQ(iconOf(main(), ICON_BIG), 48);
  EXPECT_EQ(iconOf(main(), ICON_SMALL), 24);
  ASSERT_EQ(shell.trayCalls.size(), before + 1);
  EXPECT_EQ(shell.trayCalls.back().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(iconWidth(shell.trayCalls.back().data.hIcon), 24);
  trayEvent(WM_LBUTTONDOWN);
  // Shown again, the window sends the tray nothing at a new scale: the next hide carries it.
  const std::size_t shown = shell.trayCalls.size();
  changeScale(120);
  EXPECT_EQ(shell.trayCalls.size(), shown);

  // About has icons of its own, at its scale.
  openAbout();
  const int dpi = static_cast<int>(windowDpi(about()));
  EXPECT_EQ(iconOf(about(), ICON_BIG), MulDiv(32, dpi, 96));
  EXPECT_EQ(iconOf(about(), ICON_SMALL), MulDiv(16, dpi, 96));
  RECT frame{};
  GetWindowRect(about(), &frame);
  SendMessageW(about(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&frame));
  EXPECT_EQ(iconOf(about(), ICON_BIG), 64);
  EXPECT_EQ(iconOf(about(), ICON_SMALL), 32);
}

// The icon's callback message is the mouse's own, WM_MOUSEMOVE: at 144 dpi the client area is
// 602 pixels wide (6,015 twips), and a real move at x = 513 or 517 reads, in the low word, as
// the icon's left-button press or right-button release. The shown window takes it as a move.
TEST_F(TrayAboutTest, AMouseMoveOverTheShownWindowIsNoTrayEvent) {
  changeScale(144);
  RECT client{};
  GetClientRect(main(), &client);
  ASSERT_EQ(client.right, 602);
  Bystander other;
  SetForegroundWindow(other.hwnd);
  ASSERT_TRUE(pumpUntil([&] { return GetForegroundWindow() == other.hwnd; }));
  for (const int x : {513, 517}) {  // WM_LBUTTONDOWN, WM_RBUTTONUP
    PostMessageW(main(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 40));
    pump();
    EXPECT_TRUE(shell.trayCalls.empty()) << x;
    EXPECT_EQ(GetForegroundWindow(), other.hwnd) << x;
    EXPECT_TRUE(IsWindowVisible(main())) << x;
  }
}

// About opens centred on the work area of the main window's monitor, not the primary one's: two
// monitors, the second left of the primary and above it.
TEST_F(TrayAboutTest, AboutOpensCentredOnTheMainWindowsMonitor) {
  const RECT second{-1600, -200, 0, 960};
  shell.monitors = {RECT{0, 0, 1280, 984}, second};
  RECT frame{};
  GetWindowRect(main(), &frame);
  // The main window's centre on the second monitor.
  SetWindowPos(main(), nullptr, (second.left + second.right - (frame.right - frame.left)) / 2,
               (second.top + second.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  openAbout();
  GetWindowRect(about(), &frame);
  // Centred to the pixel: twice the left edge plus the width is the work area's left plus right.
  EXPECT_LE(std::abs(frame.left + frame.right - (second.left + second.right)), 1);
  EXPECT_LE(std::abs(frame.top + frame.bottom - (second.top + second.bottom)), 1);
}

// A click on About's title bar activates it with WA_CLICKACTIVE rather than WA_ACTIVE.
TEST_F(TrayAboutTest, AboutActivatedByAClickFocusesClose) {
  Bystander other;
  openAbout();
  SetForegroundWindow(other.hwnd);
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == other.hwnd; }));
  SendMessageW(about(), WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0),
               reinterpret_cast<LPARAM>(other.hwnd));
  pump();
  EXPECT_EQ(GetFocus(), aboutClose());
}

TEST_F(TrayAboutTest, ActivatedAgainTheMainWindowFocusesTheControlTheUserLeft) {
  Bystander other;
  SetFocus(item(kProceedButton));
  SetForegroundWindow(other.hwnd);
  ASSERT_TRUE(pumpUntil([&] { return GetActiveWindow() == other.hwnd; }));
  SetForegroundWindow(main());
  EXPECT_TRUE(pumpUntil([&] { return GetFocus() == item(kProceedButton); }, 2000))
      << "focus is on " << GetFocus();
}

// Some window managers take the focus from a window's controls when the window is disabled
// (Windows and current Wine do not): the focus is gone before the deactivation could keep it.
class FocusDroppedOnDisable {
 public:
  explicit FocusDroppedOnDisable(HWND window) {
    target_ = window;
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &proc, nullptr, GetCurrentThreadId());
  }
  ~FocusDroppedOnDisable() { UnhookWindowsHookEx(hook_); }
  FocusDroppedOnDisable(const FocusDroppedOnDisable&) = delete;
  FocusDroppedOnDisable& operator=(const FocusDroppedOnDisable&) = delete;

 private:
  static LRESULT CALLBACK proc(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == target_ && sent->message == WM_ENABLE && !sent->wParam) {
      SetFocus(nullptr);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HWND target_ = nullptr;
  HHOOK hook_;
};

TEST_F(TrayAboutTest, ClosingAboutGivesTheFocusBackToTheControlTheUserLeft) {
  FocusDroppedOnDisable drop(main());
  SetFocus(item(kClipboardButton));
  openAbout();
  EXPECT_EQ(GetFocus(), aboutClose());
  click(aboutClose());
  EXPECT_TRUE(pumpUntil([&] { return GetFocus() == item(kClipboardButton); }, 2000))
      << "focus is on " << GetFocus();
}

// The frame is a plain etched rectangle whose edge is the client area's very first row, not a
// group box that draws its edge half a line lower.
TEST_F(TrayAboutTest, AboutFrameIsAnEtchedRectangleFromTheTopRow) {
  openAbout();
  HWND frame = GetDlgItem(about(), kAboutFrame1);
  wchar_t className[16]{};
  GetClassNameW(frame, className, 16);
  EXPECT_EQ(lstrcmpiW(className, L"Static"), 0);
  EXPECT_EQ(GetWindowLongPtrW(frame, GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDFRAME);

  RedrawWindow(about(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  HDC dc = GetDC(about());
  // 120 twips in at 96 dpi is pixel 8: the frame's left edge; the middle of its top edge.
  const UINT dpi = window.dpi();
  const int middle = pixelsFor(120 + 3015 / 2, dpi);
  const COLORREF top = GetPixel(dc, middle, 0);
  const COLORREF below = GetPixel(dc, middle, pixelsFor(120, dpi));
  ReleaseDC(about(), dc);
  EXPECT_EQ(top, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(below, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace zozi::test
