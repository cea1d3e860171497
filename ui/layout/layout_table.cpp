// The windows' controls and the main window's menu as plain data, shared by the program, the
// benchmark's floor and the tests.
#include "layout_table.h"

#include <array>

#include "version.h"

namespace zozi::ui {

namespace {

constexpr std::uint32_t kNone = kSystemTextColor;

// The order of creation: the controls that take the focus in tab-index order, so the dialog
// manager tabs as listed. A text box's frame or label is made just before it, which is where a
// screen reader looks for the box's name; the other frames come last.
constexpr std::array<ControlSpec, 34> kMain = {{
    {kFrame1, L"Frame1", Kind::Frame, 0, L"Task Hint text", nullptr, 120, 120, 5775, 1215, 0,
     FontRole::Frame, false, false, kNone},
    {kEntryText, L"entryText", Kind::Edit, kFrame1, L"Write your text here ...",
     L"Write here your text for the taskHint command ...", 120, 240, 5535, 330, 1, FontRole::Window,
     false, false, kNone},
    {kLocalizedText, L"localizedText", Kind::Check, kFrame1, L"Localized text",
     L"Check this if the taskHint text will be localized via stringtable file ...", 120, 720, 1575,
     255, 2, FontRole::Window, false, true, kNone},
    {kStandardText, L"standardText", Kind::Check, kFrame1, L"Standard text",
     L"Check this if the taskHint text will be only in one language ...", 1920, 720, 1575, 255, 3,
     FontRole::Window, false, false, kNone},
    {kClearTextButton, L"clearTextButton", Kind::Button, kFrame1, L"Clear",
     L"Clear the text field ...", 4680, 720, 975, 375, 4, FontRole::Window, false, false, kNone},
    {kCheckDefault, L"Check_default", Kind::Check, kFrame2, L"Default",
     L"Check for the default colors ...", 120, 240, 975, 255, 5, FontRole::Window, false, true,
     kNone},
    {kWhiteRadio, L"whiteRadio", Kind::Radio, kFrame2, L"White", nullptr, 120, 600, 1095, 255, 6,
     FontRole::Window, true, true, kNone},
    {kRedRadio, L"redRadio", Kind::Radio, kFrame2, L"Red", nullptr, 120, 960, 855, 255, 7,
     FontRole::Window, false, false, kNone},
    {kGreenRadio, L"greenRadio", Kind::Radio, kFrame2, L"Green", nullptr, 120, 1320, 1095, 255, 8,
     FontRole::Window, false, false, kNone},
    {kBlueRadio, L"blueRadio", Kind::Radio, kFrame2, L"Blue", nullptr, 120, 1680, 975, 255, 9,
     FontRole::Window, false, false, kNone},
    {kGreyRadio, L"greyRadio", Kind::Radio, kFrame2, L"Grey", nullptr, 120, 2040, 1095, 255, 10,
     FontRole::Window, false, false, kNone},
    {kCheckManual, L"Check_manual", Kind::Check, kFrame2, L"Manual",
     L"Check for the manual setting of colors ...", 1680, 240, 1095, 255, 11, FontRole::Window,
     false, false, kNone},
    {kColorLabel1, L"Label1", Kind::Label, kFrame2, L"Red", nullptr, 2640, 720, 375, 255, 32,
     FontRole::Window, false, false, 0x0000FFu},
    {kRedText, L"redText", Kind::Edit, kFrame2, L"", L"Use only numbers from 0 to 1 ...", 1680, 720,
     855, 285, 12, FontRole::Window, false, false, kNone},
    {kColorLabel2, L"Label2", Kind::Label, kFrame2, L"Green", nullptr, 2640, 1080, 615, 255, 31,
     FontRole::Window, false, false, 0x008000u},
    {kGreenText, L"greenText", Kind::Edit, kFrame2, L"", L"Use only numbers from 0 to 1 ...", 1680,
     1080, 855, 285, 13, FontRole::Window, false, false, kNone},
    {kColorLabel3, L"Label3", Kind::Label, kFrame2, L"Blue", nullptr, 2640, 1440, 375, 255, 30,
     FontRole::Window, false, false, 0x800000u},
    {kBlueText, L"blueText", Kind::Edit, kFrame2, L"", L"Use only numbers from 0 to 1 ...", 1680,
     1440, 855, 285, 14, FontRole::Window, false, false, kNone},
    {kColorLabel4, L"Label4", Kind::Label, kFrame2, L"Alpha", nullptr, 2640, 1800, 495, 255, 29,
     FontRole::Window, false, false, 0x808080u},
    {kAlphaText, L"alphaText", Kind::Edit, kFrame2, L"", L"Use only numbers from 0 to 1 ...", 1680,
     1800, 855, 285, 15, FontRole::Window, false, false, kNone},
    {kNewRadio, L"newRadio", Kind::Radio, kFrame3, L"New", nullptr, 360, 480, 1095, 255, 16,
     FontRole::Window, true, true, kNone},
    {kCurrentRadio, L"currentRadio", Kind::Radio, kFrame3, L"Current", nullptr, 360, 840, 975, 255,
     17, FontRole::Window, false, false, kNone},
    {kDoneRadio, L"doneRadio", Kind::Radio, kFrame3, L"Done", nullptr, 360, 1200, 1095, 255, 18,
     FontRole::Window, false, false, kNone},
    {kFailedRadio, L"failedRadio", Kind::Radio, kFrame3, L"Failed", nullptr, 360, 1560, 1215, 255,
     19, FontRole::Window, false, false, kNone},
    {kCanceledRadio, L"canceledRadio", Kind::Radio, kFrame3, L"Canceled", nullptr, 360, 1920, 1215,
     255, 20, FontRole::Window, false, false, kNone},
    {kFrame5, L"Frame5", Kind::Frame, 0, L"Debug log", nullptr, 120, 3960, 5775, 1215, 33,
     FontRole::Frame, false, false, kNone},
    {kDebugText, L"debugText", Kind::MultiEdit, kFrame5, L"Click on the Proceed button ...\r\n",
     L"Generated text for the taskHint command ...", 120, 240, 5535, 855, 21, FontRole::Window,
     false, false, kNone},
    {kExitButton, L"exitButton", Kind::Button, kFrame4, L"Exit", L"Close this application ...", 120,
     240, 1095, 375, 22, FontRole::Window, false, false, kNone},
    {kClearButton, L"clearButton", Kind::Button, kFrame4, L"Clear", L"Clear the Debug log ...",
     2160, 240, 1095, 375, 23, FontRole::Window, false, false, kNone},
    {kProceedButton, L"proceedButton", Kind::Button, kFrame4, L"Proceed",
     L"Compile code for the taskHint command ...", 3360, 240, 1095, 375, 24, FontRole::Window,
     false, false, kNone},
    {kClipboardButton, L"clipboardButton", Kind::Button, kFrame4, L"Clipboard",
     L"Copy generated text to the Clipboard ...", 4560, 240, 1095, 375, 25, FontRole::Window, false,
     false, kNone},
    {kFrame2, L"Frame2", Kind::Frame, 0, L"Color settings", nullptr, 120, 1440, 3375, 2415, 26,
     FontRole::Frame, false, false, kNone},
    {kFrame3, L"Frame3", Kind::Frame, 0, L"Icon settings", nullptr, 3600, 1440, 2295, 2415, 27,
     FontRole::Frame, false, false, kNone},
    {kFrame4, L"Frame4", Kind::Frame, 0, L"Controls", nullptr, 120, 5280, 5775, 735, 28,
     FontRole::Frame, false, false, kNone},
}};

constexpr std::array<ControlSpec, 6> kAbout = {{
    {kAboutCloseButton, L"closeButton", Kind::Button, kAboutFrame1, L"Close", nullptr, 2040, 960,
     855, 375, 1, FontRole::Window, false, false, kNone},
    {kAboutLabel1, L"Label1", Kind::Label, kAboutFrame1, L"TarsaTask Hint Editor Zozi", nullptr,
     120, 240, 2775, 255, 2, FontRole::Title, false, false, kNone},
    {kAboutLabel2, L"Label2", Kind::Label, kAboutFrame1, L"ver.: " ZOZI_VERSION_SHORT, nullptr, 120,
     480, 855, 255, 3, FontRole::Window, false, false, kNone},
    {kAboutLabel3, L"Label3", Kind::Label, kAboutFrame1, L"Zozi team, 2026", nullptr, 120, 840,
     1335, 255, 4, FontRole::Window, false, false, kNone},
    {kAboutLabel4, L"Label4", Kind::Label, kAboutFrame1, L"corvel-zozi.example.org", nullptr, 120,
     1080, 1935, 255, 5, FontRole::Small, false, false, kNone},
    {kAboutFrame1, L"Frame1", Kind::EtchedFrame, 0, L"", nullptr, 120, 0, 3015, 1455, 0,
     FontRole::Window, false, false, kNone},
}};

// The menu bar in its order: each popup with the rows below it, up to the next popup.
constexpr std::array<MenuSpec, 11> kMenu = {{
    {MenuRow::Popup, 0, L"File"},
    {MenuRow::Item, kMnuProceed, L"Proceed"},
    {MenuRow::Item, kMnuClipboard, L"Clipboard\tCtrl+C"},
    {MenuRow::Separator, 0, nullptr},  // space0
    {MenuRow::Item, kMnuMinimize, L"Minimize\tCtrl+M"},
    {MenuRow::Separator, 0, nullptr},  // space1
    {MenuRow::Item, kMnuExit, L"Exit"},
    {MenuRow::Popup, 0, L"Help"},
    {MenuRow::Item, kMnuHelpContents, L"Help Contents\tF1"},
    {MenuRow::Separator, 0, nullptr},  // space3
    {MenuRow::Item, kMnuAbout, L"About"},
}};

constexpr std::array<ShortcutSpec, 3> kShortcuts = {{
    {kMnuClipboard, 'C', true},
    {kMnuMinimize, 'M', true},
    {kMnuHelpContents, kVirtualKeyF1, false},
}};

}  // namespace

std::span<const ControlSpec> mainControls() { return kMain; }
std::span<const ControlSpec> aboutControls() { return kAbout; }
std::span<const MenuSpec> mainMenu() { return kMenu; }
std::span<const ShortcutSpec> mainShortcuts() { return kShortcuts; }

const ControlSpec* findSpec(std::span<const ControlSpec> table, int id) {
  for (const auto& row : table) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace zozi::ui
