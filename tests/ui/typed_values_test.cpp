// What the user types into the four colour fields stays there: only a colour preset click and the
// load step write into them. Each other control and command is used in turn, and after each the
// fields still hold the typed texts and Proceed writes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fake_shell.h"
#include "layout.h"
#include "main_window.h"
#include "pump.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

using Texts = std::vector<std::wstring>;

// Red typed, green keyed, blue pasted, alpha typed, corrected and finished by a paste.
const Texts kTyped = {L"0.5", L"0.25", L"1", L"0.125"};

const std::wstring kLocalizedNew =
    L"taskHint [localize \"my message\", [0.5, 0.25, 1, 0.125], \"taskNew\"]; ";
const std::wstring kStandardNew =
    L"taskHint [\"my message\", [0.5, 0.25, 1, 0.125], \"taskNew\"]; ";
const std::wstring kStandardCurrent =
    L"taskHint [\"my message\", [0.5, 0.25, 1, 0.125], \"taskCurrent\"]; ";
const std::wstring kStandardDone =
    L"taskHint [\"my message\", [0.5, 0.25, 1, 0.125], \"taskDone\"]; ";
const std::wstring kStandardFailed =
    L"taskHint [\"my message\", [0.5, 0.25, 1, 0.125], \"taskFailed\"]; ";

constexpr int kComponentIds[] = {kRedText, kGreenText, kBlueText, kAlphaText};

class TypedValuesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(openWindow(window));
    SendMessageW(item(kEntryText), EM_SETSEL, 0, -1);
    typeText(window, item(kEntryText), L"my message");
    click(window, item(kCheckManual));
    typeComponents();
    ASSERT_EQ(components(), kTyped);
    ASSERT_TRUE(shell.boxes.empty());
  }

  HWND item(int id) const { return window.control(id); }

  Texts components() const {
    Texts texts;
    for (int id : kComponentIds) texts.push_back(textOf(item(id)));
    return texts;
  }

  void selectAll(int id) {
    SetFocus(item(id));
    SendMessageW(item(id), EM_SETSEL, 0, -1);
  }

  void paste(int id, const std::wstring& text) {
    putOnClipboard(text);
    SendMessageW(item(id), WM_PASTE, 0, 0);  // what the field's context menu sends
    pumpPending(window);
  }

  // Each field by another way: characters through the loop, key presses, a paste.
  void typeComponents() {
    selectAll(kRedText);
    typeText(window, item(kRedText), L"0.5");
    selectAll(kGreenText);
    for (UINT key : {UINT{'0'}, UINT{VK_OEM_PERIOD}, UINT{'2'}, UINT{'5'}}) {
      pressKey(window, item(kGreenText), key);
    }
    selectAll(kBlueText);
    paste(kBlueText, L"1");
    selectAll(kAlphaText);
    typeText(window, item(kAlphaText), L"0.13");
    pressKey(window, item(kAlphaText), VK_BACK);
    paste(kAlphaText, L"25");
  }

  void proceed() {
    shell.boxes.clear();
    click(window, item(kProceedButton));
  }

  // After a step: the fields hold the typed texts, and Proceed (when given a statement) writes
  // them. A lost text is typed again, so that the next step is judged on its own.
  void expectKept(const std::wstring& statement) {
    const Texts now = components();
    EXPECT_EQ(now, kTyped) << "the typed colour texts were replaced";
    EXPECT_TRUE(shell.boxes.empty());
    if (!statement.empty()) {
      proceed();
      EXPECT_EQ(textOf(item(kDebugText)), statement);
      EXPECT_TRUE(shell.boxes.empty());
    }
    if (now != kTyped && IsWindowEnabled(item(kRedText))) typeComponents();
    shell.boxes.clear();
  }

  void step(const char* name, const std::function<void()>& action, const std::wstring& statement) {
    SCOPED_TRACE(name);
    action();
    expectKept(statement);
  }

  void menu(int id) {
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pumpPending(window);
  }

  FakeShell shell;
  MainWindow window{GetModuleHandleW(nullptr), shell, /*quitOnDestroy=*/false};
};

TEST_F(TypedValuesTest, TypedColourTextsSurviveEveryOtherControlOfTheForm) {
  step(
      "Standard text", [&] { click(window, item(kStandardText)); }, kStandardNew);
  step(
      "Standard text again", [&] { click(window, item(kStandardText)); }, kStandardNew);
  step(
      "Localized text", [&] { click(window, item(kLocalizedText)); }, kLocalizedNew);
  step(
      "Localized text again", [&] { click(window, item(kLocalizedText)); }, kLocalizedNew);
  step(
      "Standard text by Space",
      [&] {
        SetFocus(item(kStandardText));
        pressKey(window, item(kStandardText), VK_SPACE);
      },
      kStandardNew);
  ASSERT_TRUE(isChecked(item(kStandardText)));

  step(
      "New", [&] { click(window, item(kNewRadio)); }, kStandardNew);
  step(
      "Current", [&] { click(window, item(kCurrentRadio)); }, kStandardCurrent);
  step(
      "Done", [&] { click(window, item(kDoneRadio)); }, kStandardDone);
  step(
      "Failed", [&] { click(window, item(kFailedRadio)); }, kStandardFailed);
  step(
      "Canceled", [&] { click(window, item(kCanceledRadio)); }, kStandardFailed);
  step(
      "Done by arrow keys",
      [&] {
        SetFocus(item(kCanceledRadio));
        pressKey(window, item(kCanceledRadio), VK_UP);
        pressKey(window, item(kFailedRadio), VK_UP);
      },
      kStandardDone);

  step(
      "Clear the message",
      [&] {
        click(window, item(kClearTextButton));
        EXPECT_EQ(textOf(item(kEntryText)), L"");
        typeText(window, item(kEntryText), L"my message");
      },
      kStandardDone);
  step(
      "Clear the log, answered No",
      [&] {
        shell.answers = {IDNO};
        click(window, item(kClearButton));
        ASSERT_EQ(shell.boxes.size(), 1u);
        EXPECT_EQ(textOf(item(kDebugText)), kStandardDone);
        shell.boxes.clear();
      },
      kStandardDone);
  step(
      "Clear the log, answered Yes",
      [&] {
        shell.answers = {IDYES};
        click(window, item(kClearButton));
        ASSERT_EQ(shell.boxes.size(), 1u);
        EXPECT_EQ(textOf(item(kDebugText)), L"");
        shell.boxes.clear();
      },
      kStandardDone);

  step(
      "Manual again", [&] { click(window, item(kCheckManual)); }, kStandardDone);
  step(
      "Manual by Space",
      [&] {
        SetFocus(item(kCheckManual));
        pressKey(window, item(kCheckManual), VK_SPACE);
      },
      kStandardDone);
  EXPECT_TRUE(isChecked(item(kCheckManual)));
  EXPECT_TRUE(IsWindowEnabled(item(kRedText)));
}

TEST_F(TypedValuesTest, TypedColourTextsSurviveCommandsAboutTrayAndScaleChange) {
  step(
      "Proceed by button", [&] { proceed(); }, kLocalizedNew);
  step(
      "Proceed by menu", [&] { menu(kMnuProceed); }, kLocalizedNew);
  step(
      "Clipboard by button",
      [&] {
        click(window, item(kClipboardButton));
        ASSERT_EQ(shell.boxes.size(), 1u);  // "copied"
        EXPECT_EQ(clipboardText(), kLocalizedNew);
        shell.boxes.clear();
      },
      kLocalizedNew);
  step(
      "Clipboard by menu",
      [&] {
        menu(kMnuClipboard);
        ASSERT_EQ(shell.boxes.size(), 1u);
        EXPECT_EQ(clipboardText(), kLocalizedNew);
        shell.boxes.clear();
      },
      kLocalizedNew);

  step(
      "About opened",
      [&] {
        menu(kMnuAbout);
        ASSERT_NE(window.aboutHwnd(), nullptr);
      },
      L"");  // the main window takes no click while About is open
  step(
      "About closed",
      [&] {
        click(window, GetDlgItem(window.aboutHwnd(), kAboutCloseButton));
        ASSERT_TRUE(pumpUntil(window, [&] { return IsWindowEnabled(window.hwnd()) != FALSE; }));
      },
      kLocalizedNew);

  step(
      "Minimized to the tray",
      [&] {
        menu(kMnuMinimize);
        ASSERT_FALSE(IsWindowVisible(window.hwnd()));
      },
      L"");
  step(
      "Restored from the tray",
      [&] {
        PostMessageW(window.hwnd(), WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
        ASSERT_TRUE(pumpUntil(window, [&] { return IsWindowVisible(window.hwnd()) != FALSE; }));
      },
      kLocalizedNew);

  step(
      "Scale change to the same scale",
      [&] {
        RECT frame{};
        GetWindowRect(window.hwnd(), &frame);
        const UINT dpi = window.dpi();
        SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        pumpPending(window);
      },
      kLocalizedNew);

  // Back to Default: the fields grey out but keep the typed texts, which Proceed still writes.
  step(
      "Default", [&] { click(window, item(kCheckDefault)); }, kLocalizedNew);
  for (int id : kComponentIds) EXPECT_FALSE(IsWindowEnabled(item(id))) << id;

  // A preset is the one control that writes into the fields.
  shell.boxes.clear();
  click(window, item(kGreyRadio));
  EXPECT_EQ(components(), (Texts{L"0.75", L"0.75", L"0.75", L"1.0"}));
  proceed();
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [localize \"my message\", [0.75, 0.75, 0.75, 1.0], \"taskNew\"]; ");
  EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace zozi::test
