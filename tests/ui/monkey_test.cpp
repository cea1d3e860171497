// Thousands of random user actions on the real window, every message box answered at random.
// Afterwards the window still answers, its controls still agree with each other and with the
// rules' record, and Proceed writes the statement of what the window shows.
//
// The test command runs one fixed sequence; ZOZI_MONKEY_SEED=<seed> runs (or replays) another,
// ZOZI_MONKEY_ACTIONS=<n> makes it longer.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "fake_shell.h"
#include "layout.h"
#include "main_window.h"
#include "pump.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

constexpr int kComponentIds[] = {kRedText, kGreenText, kBlueText, kAlphaText};
constexpr int kPresetIds[] = {kWhiteRadio, kGreenRadio, kRedRadio, kBlueRadio, kGreyRadio};
constexpr int kIconIds[] = {kNewRadio, kCurrentRadio, kDoneRadio, kFailedRadio, kCanceledRadio};
const wchar_t* const kIconNames[] = {L"taskNew", L"taskCurrent", L"taskDone", L"taskFailed",
                                     L"taskFailed"};
constexpr int kClickable[] = {kLocalizedText, kStandardText,  kClearTextButton, kCheckDefault,
                              kWhiteRadio,    kRedRadio,      kGreenRadio,      kBlueRadio,
                              kGreyRadio,     kCheckManual,   kNewRadio,        kCurrentRadio,
                              kDoneRadio,     kFailedRadio,   kCanceledRadio,   kExitButton,
                              kClearButton,   kProceedButton, kClipboardButton};
constexpr int kMenuItems[] = {kMnuProceed, kMnuClipboard,    kMnuMinimize,
                              kMnuExit,    kMnuHelpContents, kMnuAbout};
constexpr int kFields[] = {kEntryText, kRedText, kGreenText, kBlueText, kAlphaText, kDebugText};
constexpr UINT kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_BACK, VK_SPACE, VK_UP, VK_DOWN,
                          VK_LEFT, VK_RIGHT,  VK_DELETE, VK_HOME, VK_END,   'A',   '5'};
constexpr UINT kTrayEvents[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN, WM_LBUTTONUP,
                                WM_RBUTTONDOWN, WM_RBUTTONUP,   WM_LBUTTONDBLCLK};

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

class Monkey {
 public:
  explicit Monkey(unsigned long seed) : rng_(seed) {
    shell.onBox = [this](const BoxCall& box) {
      if ((box.style & MB_TYPEMASK) != MB_YESNO) {
        shell.answers.push_back(IDOK);
      } else if (box.text == L"Do you really want to quit?") {
        shell.answers.push_back(chance(20) ? IDYES : IDNO);  // Yes unloads: reopened below
      } else {
        shell.answers.push_back(chance(2) ? IDYES : IDNO);
      }
    };
    open();
  }

  FakeShell shell;
  std::unique_ptr<MainWindow> window;
  std::deque<std::wstring> recent;  // the last actions, for a failure report
  int reopened = 0;

  HWND item(int id) const { return window->control(id); }
  HWND about() const {
    HWND about = window->aboutHwnd();
    return about && IsWindow(about) ? about : nullptr;
  }

  void open() {
    window = std::make_unique<MainWindow>(GetModuleHandleW(nullptr), shell, false);
    ASSERT_TRUE(openWindow(*window));
  }

  // One action, as the user could make it in the window's present state.
  void act() {
    const HWND main = window->hwnd();
    shell.answers.clear();
    if (window->inTray()) {
      const UINT event = pick(kTrayEvents);
      note(L"tray event " + std::to_wstring(event));
      PostMessageW(main, WM_MOUSEMOVE, 0, event);
      pumpPending(*window);
    } else if (HWND box = about()) {
      actOnAbout(box);
    } else {
      actOnMain();
    }
    if (!IsWindow(main)) {
      ++reopened;
      note(L"reopened");
      open();
    }
  }

  // What must hold between any two actions; empty when it does.
  std::wstring broken() const {
    const auto checked = [this](int id) { return isChecked(item(id)); };
    const MainState& state = window->state();
    if (checked(kLocalizedText) == checked(kStandardText)) return L"text-mode pair";
    if (checked(kCheckDefault) == checked(kCheckManual)) return L"colour-mode pair";
    const bool manual = checked(kCheckManual);
    if (state.textModePair.localizedValue != (checked(kLocalizedText) ? 1 : 0) ||
        state.colors.manualValue != (manual ? 1 : 0)) {
      return L"record differs from the check boxes";
    }
    if (state.settings.textMode !=
        (checked(kLocalizedText) ? TextMode::Localized : TextMode::Standard)) {
      return L"text mode";
    }
    for (std::size_t i = 0; i < std::size(kComponentIds); ++i) {
      if ((IsWindowEnabled(item(kComponentIds[i])) != FALSE) != manual) return L"field enabled";
      if ((state.colors.fields[i].background == FieldBackground::Window) != manual) {
        return L"field background";
      }
    }
    int presets = 0, icons = 0;
    for (int id : kPresetIds) {
      if ((IsWindowEnabled(item(id)) != FALSE) == manual) return L"colour option enabled";
      presets += checked(id);
    }
    for (std::size_t i = 0; i < std::size(kIconIds); ++i) {
      if (!checked(kIconIds[i])) continue;
      ++icons;
      if (widenAscii(state.settings.iconName) != kIconNames[i]) return L"icon name";
    }
    if (presets != 1 || icons != 1) return L"option groups";
    if ((IsWindowEnabled(window->hwnd()) != FALSE) == (about() != nullptr)) {
      return L"main window enabled while About is open, or the reverse";
    }
    if ((IsWindowVisible(window->hwnd()) != FALSE) == window->inTray()) return L"tray";
    return {};
  }

  std::wstring history() const {
    std::wstring all;
    for (const auto& step : recent) all += step + L"; ";
    return all;
  }

 private:
  bool chance(unsigned n) { return rng_() % n == 0; }
  template <typename T, std::size_t N>
  T pick(const T (&items)[N]) {
    return items[rng_() % N];
  }
  static std::wstring widenAscii(const std::string& text) { return {text.begin(), text.end()}; }

  void note(std::wstring step) {
    recent.push_back(std::move(step));
    if (recent.size() > 24) recent.pop_front();
  }

  HWND focusOr(HWND fallback) const {
    HWND focus = GetFocus();
    return focus ? focus : fallback;
  }

  void actOnAbout(HWND box) {
    switch (rng_() % 4) {
      case 0:
        note(L"About: Close");
        click(*window, GetDlgItem(box, kAboutCloseButton));
        break;
      case 1:
        note(L"About: Escape");
        pressKey(*window, focusOr(box), VK_ESCAPE);
        break;
      case 2:
        note(L"About: close box");
        SendMessageW(box, WM_CLOSE, 0, 0);
        pumpPending(*window);
        break;
      default:  // the main window's shortcuts, which must do nothing now
        note(L"About: Ctrl+C / Ctrl+M");
        pressKey(*window, focusOr(box), chance(2) ? 'C' : 'M', /*control=*/true);
        break;
    }
  }

  wchar_t randomCharacter() {
    switch (rng_() % 8) {
      case 0:
      case 1:
        return static_cast<wchar_t>(L'0' + rng_() % 10);
      case 2:
        return L'.';
      case 3:
        return L'\b';
      case 4:
        return static_cast<wchar_t>(1 + rng_() % 31);  // control characters, Ctrl+letters
      case 5:
        return static_cast<wchar_t>(0xD800 + rng_() % 0x800);  // surrogates, paired or not
      case 6:
        return static_cast<wchar_t>(0x80 + rng_() % 0xFF80);
      default:
        return static_cast<wchar_t>(L' ' + rng_() % 95);
    }
  }

  void actOnMain() {
    const HWND main = window->hwnd();
    switch (rng_() % 16) {
      case 0:
      case 1:
      case 2:
      case 3: {
        const int id = pick(kClickable);
        if (!IsWindowEnabled(item(id))) break;
        note(L"click " + std::to_wstring(id));
        click(*window, item(id));
        break;
      }
      case 4:
      case 5: {
        const int id = pick(kMenuItems);
        note(L"menu " + std::to_wstring(id));
        shell.refuseAdds = {chance(4)};
        SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        pumpPending(*window);
        break;
      }
      case 6:
      case 7:
      case 8:
      case 9: {
        const HWND field = item(pick(kFields));
        if (!IsWindowEnabled(field)) break;
        const wchar_t c = randomCharacter();
        note(L"type " + std::to_wstring(c) + L" into " + std::to_wstring(GetDlgCtrlID(field)));
        SetFocus(field);
        typeText(*window, field, std::wstring(1, c));
        break;
      }
      case 10:
      case 11:
      case 12: {
        const UINT key = pick(kKeys);
        const bool shift = chance(4);
        note(L"key " + std::to_wstring(key) + (shift ? L" with Shift" : L""));
        pressKey(*window, focusOr(main), key, /*control=*/false, shift);
        break;
      }
      case 13:
        note(L"Ctrl+C");
        pressKey(*window, focusOr(main), 'C', /*control=*/true);
        break;
      case 14:
        note(L"Ctrl+M");
        shell.refuseAdds = {chance(4)};
        pressKey(*window, focusOr(main), 'M', /*control=*/true);
        break;
      default:
        if (chance(40)) {
          note(L"close box");
          SendMessageW(main, WM_CLOSE, 0, 0);
        } else {
          note(L"F1");
          pressKey(*window, focusOr(main), VK_F1);
        }
        pumpPending(*window);
        break;
    }
  }

  std::mt19937 rng_;
};

TEST(MonkeyTest, RandomActionsKeepTheWindowConsistentAndProceedExact) {
  const unsigned long seed = fromEnvironment("ZOZI_MONKEY_SEED", 20261208);
  const unsigned long actions = fromEnvironment("ZOZI_MONKEY_ACTIONS", 3000);
  SCOPED_TRACE(::testing::Message() << "ZOZI_MONKEY_SEED=" << seed);

  Monkey monkey(seed);
  ASSERT_TRUE(monkey.window && monkey.window->hwnd());
  for (unsigned long step = 0; step < actions; ++step) {
    monkey.act();
    if (::testing::Test::HasFatalFailure()) return;
    const std::wstring broken = monkey.broken();
    ASSERT_EQ(broken, L"") << "after action " << step << "; the last ones: " << monkey.history();
  }

  // Back to the window: About closed, out of the tray.
  MainWindow& window = *monkey.window;
  if (HWND about = monkey.about()) click(window, GetDlgItem(about, kAboutCloseButton));
  if (window.inTray()) {
    PostMessageW(window.hwnd(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
    pumpPending(window);
  }
  DWORD_PTR result = 0;
  ASSERT_NE(SendMessageTimeoutW(window.hwnd(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0);
  ASSERT_EQ(monkey.broken(), L"");
  EXPECT_EQ(monkey.about(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));

  // A final Proceed writes the statement of the fields as they stand.
  const std::size_t boxes = monkey.shell.boxes.size();
  monkey.shell.onBox = nullptr;
  monkey.shell.boxes.clear();
  if (textOf(monkey.item(kEntryText)).empty()) {
    click(window, monkey.item(kProceedButton));
    ASSERT_EQ(monkey.shell.boxes.size(), 1u);
    monkey.shell.boxes.clear();
    typeText(window, monkey.item(kEntryText), L"x");
  }
  std::wstring statement = L"taskHint";
  statement += isChecked(monkey.item(kLocalizedText)) ? L" [localize \"" : L" [\"";
  statement += textOf(monkey.item(kEntryText)) + L"\", [";
  for (int id : kComponentIds) {
    statement += textOf(monkey.item(id)) + (id == kAlphaText ? L"], \"" : L", ");
  }
  for (std::size_t i = 0; i < std::size(kIconIds); ++i) {
    if (isChecked(monkey.item(kIconIds[i]))) statement += kIconNames[i];
  }
  statement += L"\"]; ";
  click(window, monkey.item(kProceedButton));
  EXPECT_EQ(textOf(monkey.item(kDebugText)), statement);
  EXPECT_TRUE(monkey.shell.boxes.empty());
  std::printf("monkey: seed %lu, %lu actions, %zu message boxes, window reopened %d times\n", seed,
              actions, boxes, monkey.reopened);
}

}  // namespace
}  // namespace zozi::test
