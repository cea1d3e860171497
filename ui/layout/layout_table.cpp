// The windows' controls and the main window's menu as plain data, shared by the program, the
// benchmark's floor and the tests.
#include "layout_table.h"

#include <array>

#include "version.h"

namespace zozi::ui {

namespace {

// Laid out by hand: each row in a line or two, saying only what differs from ControlSpec's
// defaults.
// clang-format off

// The order of creation, which is the order the dialog manager tabs in. A text box's frame or
// label is made just before it, which is where a screen reader looks for the box's name; the other
// frames come last.
constexpr std::array<ControlSpec, 34> kMain = {{
    {.id = kFrame1, .name = L"Frame1", .kind = Kind::Frame, .rect = {120, 120, 5775, 1215},
     .text = L"Task Hint text", .font = FontRole::Frame},
    {.id = kEntryText, .name = L"entryText", .kind = Kind::Edit, .frameId = kFrame1,
     .rect = {120, 240, 5535, 330}, .text = L"Write your text here ...",
     .tooltip = L"Write here your text for the taskHint command ..."},
    {.id = kLocalizedText, .name = L"localizedText", .kind = Kind::Check, .frameId = kFrame1,
     .rect = {120, 720, 1575, 255}, .text = L"Localized text",
     .tooltip = L"Check this if the taskHint text will be localized via stringtable file ..."},
    {.id = kStandardText, .name = L"standardText", .kind = Kind::Check, .frameId = kFrame1,
     .rect = {1920, 720, 1575, 255}, .text = L"Standard text",
     .tooltip = L"Check this if the taskHint text will be only in one language ..."},
    {.id = kClearTextButton, .name = L"clearTextButton", .kind = Kind::Button, .frameId = kFrame1,
     .rect = {4680, 720, 975, 375}, .text = L"Clear", .tooltip = L"Clear the text field ..."},
    {.id = kCheckDefault, .name = L"Check_default", .kind = Kind::Check, .frameId = kFrame2,
     .rect = {120, 240, 975, 255}, .text = L"Default",
     .tooltip = L"Check for the default colors ..."},
    {.id = kWhiteRadio, .name = L"whiteRadio", .kind = Kind::Radio, .frameId = kFrame2,
     .rect = {120, 600, 1095, 255}, .text = L"White", .startsGroup = true, .checked = true},
    {.id = kRedRadio, .name = L"redRadio", .kind = Kind::Radio, .frameId = kFrame2,
     .rect = {120, 960, 855, 255}, .text = L"Red"},
    {.id = kGreenRadio, .name = L"greenRadio", .kind = Kind::Radio, .frameId = kFrame2,
     .rect = {120, 1320, 1095, 255}, .text = L"Green"},
    {.id = kBlueRadio, .name = L"blueRadio", .kind = Kind::Radio, .frameId = kFrame2,
     .rect = {120, 1680, 975, 255}, .text = L"Blue"},
    {.id = kGreyRadio, .name = L"greyRadio", .kind = Kind::Radio, .frameId = kFrame2,
     .rect = {120, 2040, 1095, 255}, .text = L"Grey"},
    {.id = kCheckManual, .name = L"Check_manual", .kind = Kind::Check, .frameId = kFrame2,
     .rect = {1680, 240, 1095, 255}, .text = L"Manual",
     .tooltip = L"Check for the manual setting of colors ..."},
    {.id = kColorLabel1, .name = L"Label1", .kind = Kind::Label, .frameId = kFrame2,
     .rect = {2640, 720, 375, 255}, .text = L"Red", .textColor = 0x0000FFu},
    {.id = kRedText, .name = L"redText", .kind = Kind::Edit, .frameId = kFrame2,
     .rect = {1680, 720, 855, 285}, .tooltip = L"Use only numbers from 0 to 1 ..."},
    {.id = kColorLabel2, .name = L"Label2", .kind = Kind::Label, .frameId = kFrame2,
     .rect = {2640, 1080, 615, 255}, .text = L"Green", .textColor = 0x008000u},
    {.id = kGreenText, .name = L"greenText", .kind = Kind::Edit, .frameId = kFrame2,
     .rect = {1680, 1080, 855, 285}, .tooltip = L"Use only numbers from 0 to 1 ..."},
    {.id = kColorLabel3, .name = L"Label3", .kind = Kind::Label, .frameId = kFrame2,
     .rect = {2640, 1440, 375, 255}, .text = L"Blue", .textColor = 0x800000u},
    {.id = kBlueText, .name = L"blueText", .kind = Kind::Edit, .frameId = kFrame2,
     .rect = {1680, 1440, 855, 285}, .tooltip = L"Use only numbers from 0 to 1 ..."},
    {.id = kColorLabel4, .name = L"Label4", .kind = Kind::Label, .frameId = kFrame2,
     .rect = {2640, 1800, 495, 255}, .text = L"Alpha", .textColor = 0x808080u},
    {.id = kAlphaText, .name = L"alphaText", .kind = Kind::Edit, .frameId = kFrame2,
     .rect = {1680, 1800, 855, 285}, .tooltip = L"Use only numbers from 0 to 1 ..."},
    {.id = kNewRadio, .name = L"newRadio", .kind = Kind::Radio, .frameId = kFrame3,
     .rect = {360, 480, 1095, 255}, .text = L"New", .startsGroup = true, .checked = true},
    {.id = kCurrentRadio, .name = L"currentRadio", .kind = Kind::Radio, .frameId = kFrame3,
     .rect = {360, 840, 975, 255}, .text = L"Current"},
    {.id = kDoneRadio, .name = L"doneRadio", .kind = Kind::Radio, .frameId = kFrame3,
     .rect = {360, 1200, 1095, 255}, .text = L"Done"},
    {.id = kFailedRadio, .name = L"failedRadio", .kind = Kind::Radio, .frameId = kFrame3,
     .rect = {360, 1560, 1215, 255}, .text = L"Failed"},
    {.id = kCanceledRadio, .name = L"canceledRadio", .kind = Kind::Radio, .frameId = kFrame3,
     .rect = {360, 1920, 1215, 255}, .text = L"Canceled"},
    {.id = kFrame5, .name = L"Frame5", .kind = Kind::Frame, .rect = {120, 3960, 5775, 1215},
     .text = L"Debug log", .font = FontRole::Frame},
    {.id = kDebugText, .name = L"debugText", .kind = Kind::MultiEdit, .frameId = kFrame5,
     .rect = {120, 240, 5535, 855}, .text = L"Click on the Proceed button ...\r\n",
     .tooltip = L"Generated text for the taskHint command ..."},
    {.id = kExitButton, .name = L"exitButton", .kind = Kind::Button, .frameId = kFrame4,
     .rect = {120, 240, 1095, 375}, .text = L"Exit", .tooltip = L"Close this application ..."},
    {.id = kClearButton, .name = L"clearButton", .kind = Kind::Button, .frameId = kFrame4,
     .rect = {2160, 240, 1095, 375}, .text = L"Clear", .tooltip = L"Clear the Debug log ..."},
    {.id = kProceedButton, .name = L"proceedButton", .kind = Kind::Button, .frameId = kFrame4,
     .rect = {3360, 240, 1095, 375}, .text = L"Proceed",
     .tooltip = L"Compile code for the taskHint command ..."},
    {.id = kClipboardButton, .name = L"clipboardButton", .kind = Kind::Button, .frameId = kFrame4,
     .rect = {4560, 240, 1095, 375}, .text = L"Clipboard",
     .tooltip = L"Copy generated text to the Clipboard ..."},
    {.id = kFrame2, .name = L"Frame2", .kind = Kind::Frame, .rect = {120, 1440, 3375, 2415},
     .text = L"Color settings", .font = FontRole::Frame},
    {.id = kFrame3, .name = L"Frame3", .kind = Kind::Frame, .rect = {3600, 1440, 2295, 2415},
     .text = L"Icon settings", .font = FontRole::Frame},
    {.id = kFrame4, .name = L"Frame4", .kind = Kind::Frame, .rect = {120, 5280, 5775, 735},
     .text = L"Controls", .font = FontRole::Frame},
}};

constexpr std::array<ControlSpec, 6> kAbout = {{
    {.id = kAboutCloseButton, .name = L"closeButton", .kind = Kind::Button, .frameId = kAboutFrame1,
     .rect = {2040, 960, 855, 375}, .text = L"Close"},
    {.id = kAboutLabel1, .name = L"Label1", .kind = Kind::Label, .frameId = kAboutFrame1,
     .rect = {120, 240, 2775, 255}, .text = L"TarsaTask Hint Editor Zozi", .font = FontRole::Title},
    {.id = kAboutLabel2, .name = L"Label2", .kind = Kind::Label, .frameId = kAboutFrame1,
     .rect = {120, 480, 855, 255}, .text = L"ver.: " ZOZI_VERSION_SHORT},
    {.id = kAboutLabel3, .name = L"Label3", .kind = Kind::Label, .frameId = kAboutFrame1,
     .rect = {120, 840, 1335, 255}, .text = L"Zozi team, 2026"},
    {.id = kAboutLabel4, .name = L"Label4", .kind = Kind::Label, .frameId = kAboutFrame1,
     .rect = {120, 1080, 1935, 255}, .text = L"corvel-zozi.example.org", .font = FontRole::Small},
    {.id = kAboutFrame1, .name = L"Frame1", .kind = Kind::EtchedFrame,
     .rect = {120, 0, 3015, 1455}},
}};

// clang-format on

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

}  // namespace

std::span<const ControlSpec> mainControls() { return kMain; }
std::span<const ControlSpec> aboutControls() { return kAbout; }
std::span<const MenuSpec> mainMenu() { return kMenu; }

const ControlSpec* findSpec(std::span<const ControlSpec> table, int id) {
  for (const auto& row : table) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace zozi::ui
