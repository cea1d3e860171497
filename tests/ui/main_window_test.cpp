// The main window, created for real and driven as a user would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "fake_shell.h"
#include "layout.h"
#include "main_window.h"
#include "pump.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    ASSERT_TRUE(window.create());
    window.show(SW_SHOW);
    SetForegroundWindow(window.hwnd());
    pumpPending(window);
  }

  HWND item(int id) const { return window.control(id); }

  FakeShell shell;
  MainWindow window{GetModuleHandleW(nullptr), shell, /*quitOnDestroy=*/false};
};

TEST_F(MainWindowTest, OpensInTheLayoutsStartingState) {
  EXPECT_EQ(textOf(window.hwnd()), L"Corvel Editor Zozi");
  EXPECT_TRUE(isChecked(item(kLocalizedText)));
  EXPECT_FALSE(isChecked(item(kStandardText)));
  EXPECT_TRUE(isChecked(item(kCheckDefault)));
  EXPECT_TRUE(isChecked(item(kWhiteRadio)));
  EXPECT_TRUE(isChecked(item(kNewRadio)));
  for (int id : {kRedText, kGreenText, kBlueText, kAlphaText}) {
    EXPECT_EQ(textOf(item(id)), L"1.0");
    EXPECT_FALSE(IsWindowEnabled(item(id)));
  }
  EXPECT_EQ(textOf(item(kEntryText)), L"Write your text here ...");
  EXPECT_EQ(textOf(item(kDebugText)), L"Click on the Proceed button ...\r\n");
  EXPECT_EQ(GetFocus(), item(kEntryText));
}

TEST_F(MainWindowTest, ProceedWritesTheStatementAndCtrlCCopiesIt) {
  click(window, item(kProceedButton));
  const std::wstring statement =
      L"taskHint [localize \"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ";
  EXPECT_EQ(textOf(item(kDebugText)), statement);
  SetFocus(item(kEntryText));
  pressKey(window, item(kEntryText), 'C', /*control=*/true);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(clipboardText(), statement);
}

}  // namespace
}  // namespace zozi::test
