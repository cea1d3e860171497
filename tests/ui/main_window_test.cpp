// The main window, created for real and driven as a user would.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "controls.h"
#include "expected_places.h"
#include "scale.h"
#include "window_test.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

struct MenuEntry {
  std::wstring text;  // empty: a separator
  UINT id;
  bool operator==(const MenuEntry&) const = default;
};

std::vector<MenuEntry> entriesOf(HMENU menu) {
  std::vector<MenuEntry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64]{};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text;
    info.cch = 64;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    // The system reports separators greyed; every item proper is enabled and unchecked.
    if (!separator) {
      EXPECT_EQ(info.fState & (MFS_DISABLED | MFS_CHECKED), 0u) << text;
    }
    entries.push_back({separator ? L"" : text, separator ? 0u : info.wID});
  }
  return entries;
}

void PrintTo(const MenuEntry& entry, std::ostream* out) {
  *out << "{\"" << std::string(entry.text.begin(), entry.text.end()) << "\", " << entry.id << "}";
}

// Presses Tab on whatever has the focus until the focus comes back to where it started.
std::vector<HWND> tabWalk(MainWindow& window, HWND from, bool backwards = false) {
  SetFocus(from);
  std::vector<HWND> visited{from};
  for (int step = 0; step < 40; ++step) {
    pressKey(window, GetFocus(), VK_TAB, /*control=*/false, /*shift=*/backwards);
    if (GetFocus() == from) break;
    visited.push_back(GetFocus());
  }
  return visited;
}

int clientWidth(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  return r.right;
}

using MainWindowTest = WindowTest;

// First show.

TEST_F(MainWindowTest, OpensInTheLayoutsStartingState) {
  EXPECT_EQ(textOf(main()), kTitle);
  EXPECT_TRUE(isChecked(item(kLocalizedText)));
  EXPECT_FALSE(isChecked(item(kStandardText)));
  EXPECT_TRUE(isChecked(item(kCheckDefault)));
  EXPECT_FALSE(isChecked(item(kCheckManual)));
  EXPECT_TRUE(isChecked(item(kWhiteRadio)));
  EXPECT_TRUE(isChecked(item(kNewRadio)));
  for (int id : {kWhiteRadio, kRedRadio, kGreenRadio, kBlueRadio, kGreyRadio}) {
    EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
  }
  for (int id : kComponentFields) {
    EXPECT_EQ(textOf(item(id)), L"1.0");
    EXPECT_FALSE(IsWindowEnabled(item(id)));
    EXPECT_EQ(askColors(main(), item(id), WM_CTLCOLORSTATIC).brush,
              GetSysColorBrush(COLOR_3DLIGHT));
  }
  EXPECT_EQ(textOf(item(kEntryText)), kStartEntry);
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
  EXPECT_EQ(GetFocus(), item(kEntryText));
  // Enter and Escape must never be mistaken for a control.
  EXPECT_EQ(GetDlgItem(main(), IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(main(), IDCANCEL), nullptr);
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, IsAFixedCentredWindowWithoutMaximize) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(main(), GWL_STYLE));
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX), DWORD{WS_SYSMENU | WS_MINIMIZEBOX});
  EXPECT_EQ(GetWindow(main(), GW_OWNER), nullptr);  // a taskbar button of its own

  RECT frame{};
  GetWindowRect(main(), &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  EXPECT_NEAR((frame.left + frame.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, (monitor.rcWork.top + monitor.rcWork.bottom) / 2, 1);
}

TEST_F(MainWindowTest, TabWalksTheTabOrderSkippingTheFieldsInDefaultMode) {
  const std::vector<HWND> expected = {
      item(kEntryText),      item(kLocalizedText), item(kStandardText), item(kClearTextButton),
      item(kCheckDefault),   item(kWhiteRadio),    item(kCheckManual),  item(kNewRadio),
      item(kDebugText),      item(kExitButton),    item(kClearButton),  item(kProceedButton),
      item(kClipboardButton)};
  EXPECT_EQ(tabWalk(window, item(kEntryText)), expected);

  // Shift+Tab walks the same ring backwards.
  std::vector<HWND> backwards(expected.rbegin(), expected.rend() - 1);
  backwards.insert(backwards.begin(), item(kEntryText));
  EXPECT_EQ(tabWalk(window, item(kEntryText), /*backwards=*/true), backwards);

  // Tab passed through the output box without leaving a tab character in it.
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
}

TEST_F(MainWindowTest, TabVisitsTheFieldsInManualModeAndOnlyTheSelectedOptions) {
  click(kGreyRadio);
  click(kDoneRadio);
  EXPECT_EQ(
      tabWalk(window, item(kEntryText)),
      (std::vector<HWND>{item(kEntryText), item(kLocalizedText), item(kStandardText),
                         item(kClearTextButton), item(kCheckDefault), item(kGreyRadio),
                         item(kCheckManual), item(kDoneRadio), item(kDebugText), item(kExitButton),
                         item(kClearButton), item(kProceedButton), item(kClipboardButton)}));

  click(kCheckManual);
  EXPECT_EQ(tabWalk(window, item(kEntryText)),
            (std::vector<HWND>{item(kEntryText), item(kLocalizedText), item(kStandardText),
                               item(kClearTextButton), item(kCheckDefault), item(kCheckManual),
                               item(kRedText), item(kGreenText), item(kBlueText), item(kAlphaText),
                               item(kDoneRadio), item(kDebugText), item(kExitButton),
                               item(kClearButton), item(kProceedButton), item(kClipboardButton)}));
  EXPECT_TRUE(shell.boxes.empty());  // Tab is no character for the key filter
}

// Layout.

TEST_F(MainWindowTest, ControlsUseCalibriAndFramesTheSmallerSize) {
  const UINT dpi = window.dpi();
  for (const ControlSpec& row : mainControls()) {
    const LOGFONTW font = fontOf(item(row.id));
    const bool frame = row.kind == Kind::Frame;
    EXPECT_STREQ(font.lfFaceName, L"Calibri") << row.name;
    EXPECT_EQ(font.lfHeight, fontHeightFor(frame ? 825 : 975, dpi)) << row.name;
    EXPECT_EQ(font.lfWeight, FW_NORMAL) << row.name;
    EXPECT_EQ(font.lfCharSet, 238) << row.name;
  }
  if (dpi == USER_DEFAULT_SCREEN_DPI) {
    EXPECT_EQ(fontOf(item(kEntryText)).lfHeight, -13);
    EXPECT_EQ(fontOf(item(kFrame5)).lfHeight, -11);
  }
}

TEST_F(MainWindowTest, ColorLabelsTooltipsAndTheOutputBoxLookAsLaidOut) {
  const struct {
    int id;
    COLORREF color;
  } labels[] = {{kColorLabel1, RGB(255, 0, 0)},
                {kColorLabel2, RGB(0, 128, 0)},
                {kColorLabel3, RGB(0, 0, 128)},
                {kColorLabel4, RGB(128, 128, 128)}};
  for (const auto& label : labels) {
    EXPECT_EQ(askColors(main(), item(label.id), WM_CTLCOLORSTATIC).text, label.color) << label.id;
  }

  // The tooltips come with the mouse: a control passes its WM_SETCURSOR to the window first.
  SendMessageW(item(kProceedButton), WM_SETCURSOR, reinterpret_cast<WPARAM>(item(kProceedButton)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  const HWND tooltip = tooltipOf(main());
  ASSERT_NE(tooltip, nullptr);
  const struct {
    int id;
    const wchar_t* text;
  } tips[] = {
      {kEntryText, L"Write here your text for the taskHint command ..."},
      {kLocalizedText,
       L"Check this if the taskHint text will be localized via stringtable file ..."},
      {kStandardText, L"Check this if the taskHint text will be only in one language ..."},
      {kClearTextButton, L"Clear the text field ..."},
      {kCheckDefault, L"Check for the default colors ..."},
      {kCheckManual, L"Check for the manual setting of colors ..."},
      {kRedText, L"Use only numbers from 0 to 1 ..."},
      {kGreenText, L"Use only numbers from 0 to 1 ..."},
      {kBlueText, L"Use only numbers from 0 to 1 ..."},
      {kAlphaText, L"Use only numbers from 0 to 1 ..."},
      {kDebugText, L"Generated text for the taskHint command ..."},
      {kExitButton, L"Close this application ..."},
      {kClearButton, L"Clear the Debug log ..."},
      {kProceedButton, L"Compile code for the taskHint command ..."},
      {kClipboardButton, L"Copy generated text to the Clipboard ..."},
  };
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(std::size(tips)));
  for (const auto& tip : tips) {
    EXPECT_EQ(tooltipText(tooltip, main(), item(tip.id)), tip.text) << tip.id;
  }

  // The output box wraps, has no scroll bars and stays editable; the message field is one line.
  const auto debugStyle = GetWindowLongPtrW(item(kDebugText), GWL_STYLE);
  EXPECT_TRUE(debugStyle & ES_MULTILINE);
  EXPECT_FALSE(debugStyle & (WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_READONLY));
  EXPECT_FALSE(GetWindowLongPtrW(item(kEntryText), GWL_STYLE) & ES_MULTILINE);
  // No caption carries an access key.
  for (const ControlSpec& row : mainControls()) {
    EXPECT_EQ(textOf(item(row.id)).find(L'&'), std::wstring::npos) << row.name;
  }
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndSeparators) {
  HMENU bar = GetMenu(main());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  wchar_t caption[32]{};
  GetMenuStringW(bar, 0, caption, 32, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"File");
  GetMenuStringW(bar, 1, caption, 32, MF_BYPOSITION);
  EXPECT_STREQ(caption, L"Help");

  const auto id = [](int menuId) { return static_cast<UINT>(menuId); };
  EXPECT_EQ(entriesOf(GetSubMenu(bar, 0)),
            (std::vector<MenuEntry>{{L"Proceed", id(kMnuProceed)},
                                    {L"Clipboard\tCtrl+C", id(kMnuClipboard)},
                                    {L"", 0},
                                    {L"Minimize\tCtrl+M", id(kMnuMinimize)},
                                    {L"", 0},
                                    {L"Exit", id(kMnuExit)}}));
  EXPECT_EQ(
      entriesOf(GetSubMenu(bar, 1)),
      (std::vector<MenuEntry>{
          {L"Help Contents\tF1", id(kMnuHelpContents)}, {L"", 0}, {L"About", id(kMnuAbout)}}));
}

// The check-box pairs and the options.

TEST_F(MainWindowTest, TextModePairStaysExclusiveAndDrivesTheStatement) {
  click(kStandardText);
  EXPECT_TRUE(isChecked(item(kStandardText)));
  EXPECT_FALSE(isChecked(item(kLocalizedText)));
  click(kStandardText);  // the platform unchecks it; the rule checks it again
  EXPECT_TRUE(isChecked(item(kStandardText)));
  EXPECT_FALSE(isChecked(item(kLocalizedText)));
  click(kProceedButton);
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [\"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ");

  click(kLocalizedText);
  click(kLocalizedText);
  EXPECT_TRUE(isChecked(item(kLocalizedText)));
  EXPECT_FALSE(isChecked(item(kStandardText)));
  // Switching the mode leaves the statement alone until the next Proceed.
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [\"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ");
  click(kProceedButton);
  EXPECT_EQ(textOf(item(kDebugText)), kStartStatement);
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, ColorModePairSwitchesFieldsOptionsAndBackgrounds) {
  click(kCheckManual);
  for (int pass = 0; pass < 2; ++pass) {  // the second click lands on the checked box
    EXPECT_TRUE(isChecked(item(kCheckManual)));
    EXPECT_FALSE(isChecked(item(kCheckDefault)));
    for (int id : {kWhiteRadio, kRedRadio, kGreenRadio, kBlueRadio, kGreyRadio}) {
      EXPECT_FALSE(IsWindowEnabled(item(id))) << id;
    }
    for (int id : kComponentFields) {
      EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
      EXPECT_EQ(textOf(item(id)), L"1.0");
      EXPECT_EQ(askColors(main(), item(id), WM_CTLCOLOREDIT).brush, GetSysColorBrush(COLOR_WINDOW));
    }
    click(kCheckManual);
  }

  // Typed 0.5 into red, then back to Default: the text stays, the field greys out.
  SendMessageW(item(kRedText), EM_SETSEL, 0, -1);
  typeText(item(kRedText), L"0.5");
  click(kCheckDefault);
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_TRUE(isChecked(item(kCheckDefault)));
    EXPECT_FALSE(isChecked(item(kCheckManual)));
    EXPECT_TRUE(isChecked(item(kWhiteRadio)));
    for (int id : {kWhiteRadio, kRedRadio, kGreenRadio, kBlueRadio, kGreyRadio}) {
      EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
    }
    for (int id : kComponentFields) {
      EXPECT_FALSE(IsWindowEnabled(item(id))) << id;
      EXPECT_EQ(askColors(main(), item(id), WM_CTLCOLORSTATIC).brush,
                GetSysColorBrush(COLOR_3DLIGHT));
      EXPECT_EQ(askColors(main(), item(id), WM_CTLCOLOREDIT).brush,
                GetSysColorBrush(COLOR_3DLIGHT));
    }
    EXPECT_EQ(textOf(item(kRedText)), L"0.5");
    click(kCheckDefault);
  }
  click(kProceedButton);
  EXPECT_EQ(
      textOf(item(kDebugText)),
      L"taskHint [localize \"Write your text here ...\", [0.5, 1.0, 1.0, 1.0], \"taskNew\"]; ");
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, PresetsWriteTheirTextsAndLeaveTheIconAlone) {
  click(kGreyRadio);
  EXPECT_EQ(components(), presetTexts(kGreyRadio));
  EXPECT_TRUE(isChecked(item(kGreyRadio)));
  EXPECT_FALSE(isChecked(item(kWhiteRadio)));
  EXPECT_TRUE(isChecked(item(kNewRadio)));
  for (int option : {kRedRadio, kGreenRadio, kBlueRadio, kWhiteRadio}) {
    click(option);
    EXPECT_EQ(components(), presetTexts(option)) << option;
  }
  EXPECT_TRUE(isChecked(item(kNewRadio)));
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, KeyboardSelectsOptionsAndTicksBoxesLikeTheMouse) {
  // Arrow keys move the selection within a group and run the option's rule.
  SetFocus(item(kWhiteRadio));
  pressKey(item(kWhiteRadio), VK_DOWN);
  EXPECT_EQ(GetFocus(), item(kRedRadio));
  EXPECT_TRUE(isChecked(item(kRedRadio)));
  EXPECT_FALSE(isChecked(item(kWhiteRadio)));
  EXPECT_EQ(textOf(item(kGreenText)), L"0.0");
  SetFocus(item(kNewRadio));
  pressKey(item(kNewRadio), VK_DOWN);
  EXPECT_TRUE(isChecked(item(kCurrentRadio)));
  EXPECT_TRUE(isChecked(item(kRedRadio)));
  // The newly selected options are the ones that Tab now visits.
  const auto walk = tabWalk(window, item(kEntryText));
  EXPECT_NE(std::find(walk.begin(), walk.end(), item(kRedRadio)), walk.end());
  EXPECT_NE(std::find(walk.begin(), walk.end(), item(kCurrentRadio)), walk.end());
  EXPECT_EQ(std::find(walk.begin(), walk.end(), item(kWhiteRadio)), walk.end());
  EXPECT_EQ(std::find(walk.begin(), walk.end(), item(kNewRadio)), walk.end());

  // Space ticks a box as a click does.
  SetFocus(item(kCheckManual));
  pressKey(item(kCheckManual), VK_SPACE);
  EXPECT_TRUE(isChecked(item(kCheckManual)));
  EXPECT_FALSE(isChecked(item(kCheckDefault)));
  EXPECT_TRUE(IsWindowEnabled(item(kRedText)));
  SetFocus(item(kStandardText));
  pressKey(item(kStandardText), VK_SPACE);
  EXPECT_FALSE(isChecked(item(kLocalizedText)));

  click(kProceedButton);
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [\"Write your text here ...\", [1.0, 0.0, 0.0, 1.0], \"taskCurrent\"]; ");
  EXPECT_TRUE(shell.boxes.empty());
}

// The key filter of the component fields.

TEST_F(MainWindowTest, ComponentFieldsRefuseAnythingButDigitsPointAndBackspace) {
  click(kCheckManual);
  const HWND red = item(kRedText);
  SetFocus(red);
  const auto expectOneWarning = [this](const char* what) {
    ASSERT_EQ(shell.boxes.size(), 1u) << what;
    EXPECT_TRUE(isBox(shell.boxes[0], kOnlyNumbers, kWarning)) << what;
    EXPECT_EQ(shell.boxes[0].owner, main()) << what;
    EXPECT_EQ(shell.beeps, 0) << what;
    shell.boxes.clear();
  };

  typeText(red, L"a");
  expectOneWarning("letter");
  EXPECT_EQ(textOf(red), L"1.0");

  SendMessageW(red, EM_SETSEL, 0, -1);
  typeText(red, L"0.57");
  typeText(red, L"\b");
  typeText(red, L".");  // a second point is no business of the filter
  EXPECT_TRUE(shell.boxes.empty());
  EXPECT_EQ(textOf(red), L"0.5.");

  for (const wchar_t* refused : {L" ", L"-", L",", L"\x01"}) {  // \x01 is what Ctrl+A types
    typeText(red, refused);
    expectOneWarning("refused character");
    EXPECT_EQ(textOf(red), L"0.5.");
  }

  // Enter and Escape are characters for the filter, not the window's OK and Cancel.
  const HWND alpha = item(kAlphaText);
  SetFocus(alpha);
  pressKey(alpha, VK_RETURN);
  expectOneWarning("Enter");
  pressKey(alpha, VK_ESCAPE);
  expectOneWarning("Escape");
  EXPECT_TRUE(IsWindow(main()));
  EXPECT_EQ(textOf(alpha), L"1.0");
  EXPECT_EQ(GetFocus(), alpha);
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
}

// Proceed.

TEST_F(MainWindowTest, ProceedRefusesAnEmptyMessageFromButtonAndMenu) {
  click(kClearTextButton);
  EXPECT_EQ(textOf(item(kEntryText)), L"");
  EXPECT_TRUE(shell.boxes.empty());  // clearing the message asks nothing

  click(kProceedButton);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.events, (std::vector<std::wstring>{L"beep", L"box"}));
  EXPECT_TRUE(isBox(shell.boxes[0], kEmptyByButton, kWarning));

  command(kMnuProceed);
  ASSERT_EQ(shell.boxes.size(), 2u);
  EXPECT_EQ(shell.events, (std::vector<std::wstring>{L"beep", L"box", L"beep", L"box"}));
  EXPECT_TRUE(isBox(shell.boxes[1], kEmptyByMenu, kWarning));
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);

  click(kClearTextButton);  // already empty: still no question
  EXPECT_EQ(shell.boxes.size(), 2u);

  // A single space is a message.
  SetWindowTextW(item(kEntryText), L" ");
  click(kProceedButton);
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [localize \" \", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ");
  EXPECT_EQ(shell.boxes.size(), 2u);
}

TEST_F(MainWindowTest, ProceedWritesOnlyTheLatestStatement) {
  click(kStandardText);
  click(kGreenRadio);
  click(kDoneRadio);
  click(kProceedButton);
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [\"Write your text here ...\", [0.0, 1.0, 0.0, 1.0], \"taskDone\"]; ");
  // A statement wider than the box wraps onto further lines instead of running off to the right.
  SetWindowTextW(item(kEntryText), std::wstring(200, L'w').c_str());
  click(kProceedButton);
  EXPECT_GT(textWidth(item(kDebugText), textOf(item(kDebugText))), clientWidth(item(kDebugText)));
  EXPECT_GT(SendMessageW(item(kDebugText), EM_GETLINECOUNT, 0, 0), 1);

  SetWindowTextW(item(kEntryText), L"Go \"north\"");
  click(kCanceledRadio);
  command(kMnuProceed);
  EXPECT_EQ(textOf(item(kDebugText)),
            L"taskHint [\"Go \"north\"\", [0.0, 1.0, 0.0, 1.0], \"taskFailed\"]; ");
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, FortyThousandCharacterMessageSurvivesProceedAndClipboard) {
  std::wstring message;
  while (message.size() < 40000) message += L"0123456789 ž ";
  message.resize(40000);
  SetWindowTextW(item(kEntryText), message.c_str());
  // One more character typed at the end: the box takes it past the default limit.
  SendMessageW(item(kEntryText), EM_SETSEL, 40000, 40000);
  typeText(item(kEntryText), L"!");
  message += L"!";
  ASSERT_EQ(textOf(item(kEntryText)), message);

  click(kProceedButton);
  const std::wstring statement =
      L"taskHint [localize \"" + message + L"\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ";
  EXPECT_EQ(textOf(item(kDebugText)), statement);
  click(kClipboardButton);
  EXPECT_EQ(clipboardText(), statement);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, kCopied);

  // The caret still reaches the lines below the box, which has no scroll bar, and the box
  // takes typing past the default limit too.
  const HWND debug = item(kDebugText);
  SetFocus(debug);
  SendMessageW(debug, EM_SETSEL, statement.size(), statement.size());
  SendMessageW(debug, EM_SCROLLCARET, 0, 0);
  EXPECT_GT(SendMessageW(debug, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  typeText(debug, L"?");
  EXPECT_EQ(textOf(debug), statement + L"?");
}

// Commands.

TEST_F(MainWindowTest, ClearLogAsksAndEmptiesOnlyOnYes) {
  click(kClearButton);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_TRUE(isBox(shell.boxes[0], kClearLogQuestion, kQuestion));
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
  EXPECT_EQ(textOf(item(kEntryText)), kStartEntry);

  shell.answers.push_back(IDYES);
  click(kClearButton);
  EXPECT_EQ(textOf(item(kDebugText)), L"");
  EXPECT_EQ(shell.beeps, 0);

  // Copying the empty box still replaces what was on the clipboard and still tells so.
  putOnClipboard(L"stale");
  click(kClipboardButton);
  EXPECT_EQ(clipboardText(), L"");
  ASSERT_EQ(shell.boxes.size(), 3u);
  EXPECT_EQ(shell.boxes[2].text, kCopied);
}

TEST_F(MainWindowTest, ExitAsksAndUnloadsOnlyOnYes) {
  const HWND hwnd = main();
  click(kExitButton);
  command(kMnuExit);
  ASSERT_EQ(shell.boxes.size(), 2u);
  for (const BoxCall& box : shell.boxes) {
    EXPECT_TRUE(isBox(box, kQuitQuestion, kQuestion));
  }
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(shell.trayCalls.empty());

  shell.answers.push_back(IDYES);
  command(kMnuExit);
  EXPECT_FALSE(IsWindow(hwnd));
  ASSERT_EQ(shell.trayCalls.size(), 1u);
  EXPECT_EQ(shell.trayCalls[0].message, static_cast<DWORD>(NIM_DELETE));
  const NOTIFYICONDATAA zero{};
  EXPECT_EQ(std::memcmp(&shell.trayCalls[0].data, &zero, sizeof zero), 0);
}

TEST_F(MainWindowTest, CloseFromTheSystemUnloadsWithoutAQuestion) {
  const HWND hwnd = main();
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  pump();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(shell.boxes.empty());
  ASSERT_EQ(shell.trayCalls.size(), 1u);
  EXPECT_EQ(shell.trayCalls[0].message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(MainWindowTest, EndOfTheSessionUnloadsWithoutAQuestionAndRemovesTheIcon) {
  const HWND hwnd = main();
  SendMessageW(main(), WM_COMMAND, kMnuMinimize, 0);
  SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0);
  SendMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
  pump();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(shell.boxes.empty());
  ASSERT_EQ(shell.trayCalls.size(), 2u);
  EXPECT_EQ(shell.trayCalls[1].message, static_cast<DWORD>(NIM_DELETE));
  EXPECT_EQ(shell.trayCalls[1].data.hWnd, hwnd);
}

TEST_F(MainWindowTest, ClipboardRightAfterStartCopiesTheHintAndTellsSo) {
  putOnClipboard(L"stale");
  click(kClipboardButton);
  EXPECT_EQ(clipboardText(), kStartLog);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_TRUE(isBox(shell.boxes[0], kCopied, kInformation));
  EXPECT_EQ(shell.boxes[0].owner, main());

  putOnClipboard(L"stale");
  command(kMnuClipboard);
  EXPECT_EQ(clipboardText(), kStartLog);
  ASSERT_EQ(shell.boxes.size(), 2u);
  EXPECT_EQ(shell.boxes[1].text, kCopied);
  EXPECT_EQ(shell.beeps, 0);
}

// Each failure says what became of the clipboard; only a busy clipboard is "in use".
TEST_F(MainWindowTest, EachClipboardFailureHasAWarningOfItsOwn) {
  const std::pair<ClipboardResult, std::wstring> failures[] = {
      {ClipboardResult::Busy, kBusy},
      {ClipboardResult::NotCleared, kNotCleared},
      {ClipboardResult::Emptied, kClipboardEmptied},
      {ClipboardResult::NoMemory, kNoMemory}};
  for (const auto& [failure, text] : failures) {
    shell.boxes.clear();
    shell.clipboardFailure = failure;
    click(kClipboardButton);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_TRUE(isBox(shell.boxes[0], text, kWarning));
  }
}

TEST_F(MainWindowTest, ACopyLeavesNoOtherFormatOnTheClipboard) {
  const UINT other = RegisterClipboardFormatW(L"ZoziTestOtherFormat");
  ASSERT_TRUE(openClipboardSoon());
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
  if (!SetClipboardData(other, block)) GlobalFree(block);
  CloseClipboard();
  ASSERT_TRUE(IsClipboardFormatAvailable(other));
  click(kClipboardButton);
  EXPECT_EQ(clipboardText(), kStartLog);
  EXPECT_FALSE(IsClipboardFormatAvailable(other));
}

// A box disables the window and, in the fake as under some window managers, takes the focus
// with it: once the box is gone the next digit still goes into the field.
TEST_F(MainWindowTest, AfterTheKeyFilterWarningTypingGoesOnInTheField) {
  click(kCheckManual);
  SetWindowTextW(item(kRedText), L"");
  SetFocus(item(kRedText));
  for (UINT key : {UINT{'0'}, UINT{VK_OEM_PERIOD}, UINT{'5'}, UINT{'X'}}) {
    pressKey(GetFocus(), key);
  }
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, kOnlyNumbers);
  EXPECT_EQ(GetFocus(), item(kRedText));
  pressKey(GetFocus(), '7');
  EXPECT_EQ(textOf(item(kRedText)), L"0.57");
}

TEST_F(MainWindowTest, ProceedWritesTheStatementAndCtrlCCopiesIt) {
  click(kProceedButton);
  const std::wstring statement = kStartStatement;
  EXPECT_EQ(textOf(item(kDebugText)), statement);
  SetFocus(item(kEntryText));
  SendMessageW(item(kEntryText), EM_SETSEL, 0, 5);  // "Write" selected: not what Ctrl+C copies
  pressKey(item(kEntryText), 'C', /*control=*/true);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_TRUE(isBox(shell.boxes[0], kCopied, kInformation));
  EXPECT_EQ(clipboardText(), statement);

  // The same from a selection inside the output box itself.
  putOnClipboard(L"stale");
  SetFocus(item(kDebugText));
  SendMessageW(item(kDebugText), EM_SETSEL, 0, 8);
  pressKey(item(kDebugText), 'C', /*control=*/true);
  EXPECT_EQ(clipboardText(), statement);
  EXPECT_EQ(shell.boxes.size(), 2u);
  EXPECT_EQ(textOf(item(kEntryText)), kStartEntry);

  // And from a component field in Manual mode: the shortcut, not a character for the filter.
  click(kCheckManual);
  putOnClipboard(L"stale");
  SetFocus(item(kBlueText));
  pressKey(item(kBlueText), 'C', /*control=*/true);
  EXPECT_EQ(clipboardText(), statement);
  ASSERT_EQ(shell.boxes.size(), 3u);
  EXPECT_EQ(shell.boxes[2].text, kCopied);
  EXPECT_EQ(textOf(item(kBlueText)), L"1.0");
}

TEST_F(MainWindowTest, F1OpensTheHelpFileBesideTheProgramFromAnyControl) {
  wchar_t previous[MAX_PATH]{};
  GetCurrentDirectoryW(MAX_PATH, previous);
  wchar_t elsewhere[MAX_PATH]{};
  GetTempPathW(MAX_PATH, elsewhere);
  ASSERT_TRUE(SetCurrentDirectoryW(elsewhere));

  pressKey(item(kEntryText), VK_F1);
  SetFocus(item(kDebugText));
  pressKey(item(kDebugText), VK_F1);
  command(kMnuHelpContents);
  SetCurrentDirectoryW(previous);

  ASSERT_EQ(shell.helpCalls.size(), 3u);
  for (const HelpCall& call : shell.helpCalls) {
    EXPECT_EQ(call.file, programFolder() + L"Corvel_Editor_Zazo_Help.chm");
    EXPECT_EQ(call.owner, main());
  }
  EXPECT_TRUE(shell.boxes.empty());
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
}

TEST_F(MainWindowTest, EnterAndEscapeAreNoDefaultOrCancelButtons) {
  SetFocus(item(kEntryText));
  pressKey(item(kEntryText), VK_RETURN);
  pressKey(item(kEntryText), VK_ESCAPE);
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
  EXPECT_EQ(textOf(item(kEntryText)), kStartEntry);

  // Escape in the multi-line box would otherwise ask the window to close.
  SetFocus(item(kDebugText));
  pressKey(item(kDebugText), VK_ESCAPE);
  EXPECT_TRUE(IsWindow(main()));
  EXPECT_TRUE(IsWindowVisible(main()));
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
  EXPECT_TRUE(shell.boxes.empty());
  EXPECT_TRUE(shell.trayCalls.empty());

  // Tab goes on from the output box instead of sticking in it.
  pressKey(item(kDebugText), VK_TAB);
  EXPECT_EQ(GetFocus(), item(kExitButton));
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);

  // A button with the focus is pressed by Enter; that is the only thing Enter presses.
  SetFocus(item(kProceedButton));
  pressKey(item(kProceedButton), VK_RETURN);
  EXPECT_EQ(textOf(item(kDebugText)), kStartStatement);
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, EnterOnACheckBoxOrOptionTogglesNothing) {
  click(kCheckManual);  // so the colour options are ticked off and on below
  click(kCheckDefault);
  const struct {
    int id;
    bool checked;
  } controls[] = {{kLocalizedText, true}, {kStandardText, false}, {kCheckDefault, true},
                  {kCheckManual, false},  {kWhiteRadio, true},    {kNewRadio, true}};
  for (const auto& c : controls) {
    SCOPED_TRACE(c.id);
    SetFocus(item(c.id));
    pressKey(item(c.id), VK_RETURN);
    EXPECT_EQ(isChecked(item(c.id)), c.checked);
  }
  EXPECT_FALSE(isChecked(item(kStandardText)));
  EXPECT_FALSE(isChecked(item(kCheckManual)));
  EXPECT_FALSE(IsWindowEnabled(item(kRedText)));
  EXPECT_EQ(textOf(item(kDebugText)), kStartLog);
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, CancelledEndOfTheSessionLeavesTheWindowAndTheTrayAlone) {
  const HWND hwnd = main();
  SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0);
  SendMessageW(hwnd, WM_ENDSESSION, FALSE, 0);
  pump();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(shell.trayCalls.empty());
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainWindowTest, ComponentFieldsTakeNoInputMethodCharacters) {
  for (int id : kComponentFields) {
    HIMC context = ImmGetContext(item(id));
    EXPECT_EQ(context, nullptr) << id;
    if (context) ImmReleaseContext(item(id), context);
  }
  // The message field keeps its input method: the check above can tell the two apart.
  HIMC entry = ImmGetContext(item(kEntryText));
  EXPECT_NE(entry, nullptr);
  if (entry) ImmReleaseContext(item(kEntryText), entry);
}

// A window larger than the work area keeps its caption on the screen instead of being centred
// off its top edge.
TEST_F(MainWindowTest, AWindowTallerThanTheScreenKeepsItsCaptionInReach) {
  const RECT work{0, 0, 1024, 768};
  const RECT fits = centredOn(work, 402, 450);
  EXPECT_EQ(fits.left, 311);
  EXPECT_EQ(fits.top, 159);
  const RECT tall = centredOn(work, 820, 900);  // the main window at 192 dpi
  EXPECT_EQ(tall.left, 102);
  EXPECT_EQ(tall.top, 0);
  EXPECT_EQ(tall.bottom, 900);
  const RECT wide = centredOn(RECT{100, 50, 700, 450}, 800, 200);
  EXPECT_EQ(wide.left, 100);
  EXPECT_EQ(wide.top, 150);

  // The same after a change of scale whose suggested frame starts above the work area.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(main(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const UINT dpi = window.dpi() == 192 ? 96 : 192;
  RECT suggested{monitor.rcWork.left - 40, monitor.rcWork.top - 60, monitor.rcWork.left + 800,
                 monitor.rcWork.top + 900};
  changeScale(dpi, suggested);
  RECT frame{};
  GetWindowRect(main(), &frame);
  EXPECT_EQ(frame.top, monitor.rcWork.top);
  EXPECT_EQ(frame.left, monitor.rcWork.left);
}

// Wine cannot switch high contrast on, so the mode comes through the seam.
TEST_F(MainWindowTest, HighContrastTakesTheSystemsColorsForDisabledFields) {
  const auto fieldBrush = [&] {
    return askColors(main(), item(kRedText), WM_CTLCOLORSTATIC).brush;
  };
  EXPECT_EQ(fieldBrush(), GetSysColorBrush(COLOR_3DLIGHT));

  shell.highContrastOn = true;
  SendMessageW(main(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  // The fields are painted again, not only when asked for next.
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(item(kRedText), &update, FALSE));
  pump();
  EXPECT_EQ(fieldBrush(), GetSysColorBrush(COLOR_BTNFACE));
  click(kCheckManual);  // an enabled field keeps the window colour
  EXPECT_EQ(askColors(main(), item(kRedText), WM_CTLCOLOREDIT).brush,
            GetSysColorBrush(COLOR_WINDOW));
  click(kCheckDefault);

  // Switched off again while the program runs: the layout's colours come back.
  shell.highContrastOn = false;
  SendMessageW(main(), WM_SYSCOLORCHANGE, 0, 0);
  pump();
  EXPECT_EQ(fieldBrush(), GetSysColorBrush(COLOR_3DLIGHT));
}

}  // namespace
}  // namespace zozi::test
