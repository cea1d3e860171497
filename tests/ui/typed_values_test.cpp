// What the user types into the four colour fields stays there: only a colour preset click and the
// load step write into them. Each other control and command is used in turn, and after each the
// fields still hold the typed texts and Proceed writes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "window_test.h"

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

class TypedValuesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    if (HasFatalFailure()) return;
    SendMessageW(item(kEntryText), EM_SETSEL, 0, -1);
    typeText(item(kEntryText), L"my message");
    click(kCheckManual);
    typeComponents();
    ASSERT_EQ(components(), kTyped);
    ASSERT_TRUE(shell.boxes.empty());
  }

  void selectAll(int id) {
    SetFocus(item(id));
    SendMessageW(item(id), EM_SETSEL, 0, -1);
  }

  void paste(int id, const std::wstring& text) {
    putOnClipboard(text);
    SendMessageW(item(id), WM_PASTE, 0, 0);  // what the field's context menu sends
    pump();
  }

  // Each field by another way: characters through the loop, key presses, a paste.
  void typeComponents() {
    selectAll(kRedText);
    typeText(item(kRedText), L"0.5");
    selectAll(kGreenText);
    for (UINT key : {UINT{'0'}, UINT{VK_OEM_PERIOD}, UINT{'2'}, UINT{'5'}}) {
      pressKey(item(kGreenText), key);
    }
    selectAll(kBlueText);
    paste(kBlueText, L"1");
    selectAll(kAlphaText);
    typeText(item(kAlphaText), L"0.13");
    pressKey(item(kAlphaText), VK_BACK);
    paste(kAlphaText, L"25");
  }

  void proceed() {
    shell.boxes.clear();
    click(kProceedButton);
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

  void step(const char* name, const std::wstring& statement, const std::function<void()>& action) {
    SCOPED_TRACE(name);
    action();
    expectKept(statement);
  }
};

TEST_F(TypedValuesTest, TypedColorTextsSurviveEveryOtherControlOfTheForm) {
  step("Standard text", kStandardNew, [&] { click(kStandardText); });
  step("Standard text again", kStandardNew, [&] { click(kStandardText); });
  step("Localized text", kLocalizedNew, [&] { click(kLocalizedText); });
  step("Localized text again", kLocalizedNew, [&] { click(kLocalizedText); });
  step("Standard text by Space", kStandardNew, [&] {
    SetFocus(item(kStandardText));
    pressKey(item(kStandardText), VK_SPACE);
  });
  ASSERT_TRUE(isChecked(item(kStandardText)));

  step("New", kStandardNew, [&] { click(kNewRadio); });
  step("Current", kStandardCurrent, [&] { click(kCurrentRadio); });
  step("Done", kStandardDone, [&] { click(kDoneRadio); });
  step("Failed", kStandardFailed, [&] { click(kFailedRadio); });
  step("Canceled", kStandardFailed, [&] { click(kCanceledRadio); });
  step("Done by arrow keys", kStandardDone, [&] {
    SetFocus(item(kCanceledRadio));
    pressKey(item(kCanceledRadio), VK_UP);
    pressKey(item(kFailedRadio), VK_UP);
  });

  step("Clear the message", kStandardDone, [&] {
    click(kClearTextButton);
    EXPECT_EQ(textOf(item(kEntryText)), L"");
    typeText(item(kEntryText), L"my message");
  });
  step("Clear the log, answered No", kStandardDone, [&] {
    shell.answers = {IDNO};
    click(kClearButton);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(textOf(item(kDebugText)), kStandardDone);
    shell.boxes.clear();
  });
  step("Clear the log, answered Yes", kStandardDone, [&] {
    shell.answers = {IDYES};
    click(kClearButton);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(textOf(item(kDebugText)), L"");
    shell.boxes.clear();
  });

  step("Manual again", kStandardDone, [&] { click(kCheckManual); });
  step("Manual by Space", kStandardDone, [&] {
    SetFocus(item(kCheckManual));
    pressKey(item(kCheckManual), VK_SPACE);
  });
  EXPECT_TRUE(isChecked(item(kCheckManual)));
  EXPECT_TRUE(IsWindowEnabled(item(kRedText)));
}

TEST_F(TypedValuesTest, TypedColorTextsSurviveCommandsAboutTrayAndScaleChange) {
  step("Proceed by button", kLocalizedNew, [&] { proceed(); });
  step("Proceed by menu", kLocalizedNew, [&] { command(kMnuProceed); });
  step("Clipboard by button", kLocalizedNew, [&] {
    click(kClipboardButton);
    ASSERT_EQ(shell.boxes.size(), 1u);  // "copied"
    EXPECT_EQ(clipboardText(), kLocalizedNew);
    shell.boxes.clear();
  });
  step("Clipboard by menu", kLocalizedNew, [&] {
    command(kMnuClipboard);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(clipboardText(), kLocalizedNew);
    shell.boxes.clear();
  });

  // No Proceed while About is open: the main window takes no click then.
  step("About opened", L"", [&] {
    command(kMnuAbout);
    ASSERT_NE(window.aboutHwnd(), nullptr);
  });
  step("About closed", kLocalizedNew, [&] {
    click(GetDlgItem(window.aboutHwnd(), kAboutCloseButton));
    ASSERT_TRUE(pumpUntil([&] { return IsWindowEnabled(main()) != FALSE; }));
  });

  step("Minimized to the tray", L"", [&] {
    command(kMnuMinimize);
    ASSERT_FALSE(IsWindowVisible(main()));
  });
  step("Restored from the tray", kLocalizedNew, [&] {
    trayEvent(WM_LBUTTONDOWN);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(main()) != FALSE; }));
  });

  step("Scale change to the same scale", kLocalizedNew, [&] { changeScale(window.dpi()); });

  // Back to Default: the fields grey out but keep the typed texts, which Proceed still writes.
  step("Default", kLocalizedNew, [&] { click(kCheckDefault); });
  for (int id : kComponentFields) EXPECT_FALSE(IsWindowEnabled(item(id))) << id;

  // A preset is the one control that writes into the fields.
  shell.boxes.clear();
  click(kGreyRadio);
  EXPECT_EQ(components(), presetTexts(kGreyRadio));
  proceed();
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [localize \"my message\", [0.75, 0.75, 0.75, 1.0], \"taskNew\"]; ");
  EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace zozi::test
