// The windows' controls and the main window's menu and shortcut keys as plain data. The windows
// create their controls from these tables in table order, which is also the order Tab moves in;
// nothing here depends on the window system.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zozi::ui {

// Frame: a group box with a caption; EtchedFrame: a plain etched rectangle, edge at its top row.
enum class Kind { Frame, EtchedFrame, Edit, MultiEdit, Check, Radio, Button, Label };
enum class FontRole { Window, Frame, Title, Small };

// Labels whose text takes the system's colour.
inline constexpr std::uint32_t kSystemTextColor = 0xFFFFFFFFu;

// A place in twips: the top left corner, relative to the frame or to the client area, and the
// size.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

// One control. A row names its id, name, kind and place; every other field has the value most
// controls take, so a row says only what sets the control apart.
struct ControlSpec {
  int id;
  const wchar_t* name;
  Kind kind;
  int frameId = 0;  // 0: placed on the window itself (the frames)
  TwipRect rect;
  const wchar_t* text = L"";
  const wchar_t* tooltip = nullptr;  // nullptr: none
  FontRole font = FontRole::Window;
  bool startsGroup = false;  // first option of an option group
  // Options only: the one its group starts with. Check boxes start as the records behind them
  // say, which the window shows once it is made.
  bool checked = false;
  std::uint32_t textColor = kSystemTextColor;  // labels only, as 0x00bbggrr
};

struct TwipSize {
  int cx;
  int cy;
};

// Control identifiers of the main window. None is 1 or 2 (IDOK, IDCANCEL), which the dialog
// manager makes from Enter and Escape.
enum MainControl : int {
  kFrame1 = 100,
  kEntryText,
  kLocalizedText,
  kStandardText,
  kClearTextButton,
  kFrame2,
  kCheckDefault,
  kWhiteRadio,
  kRedRadio,
  kGreenRadio,
  kBlueRadio,
  kGreyRadio,
  kCheckManual,
  kRedText,
  kGreenText,
  kBlueText,
  kAlphaText,
  kColorLabel1,
  kColorLabel2,
  kColorLabel3,
  kColorLabel4,
  kFrame3,
  kNewRadio,
  kCurrentRadio,
  kDoneRadio,
  kFailedRadio,
  kCanceledRadio,
  kFrame5,
  kDebugText,
  kFrame4,
  kExitButton,
  kClearButton,
  kProceedButton,
  kClipboardButton,
};

// The controls behind the rules, in the rules' order: the component fields red to alpha, the
// colour options in the order of the presets, the icon options in layout order.
inline constexpr std::array<int, 4> kComponentIds = {kRedText, kGreenText, kBlueText, kAlphaText};
inline constexpr std::array<int, 5> kPresetIds = {kWhiteRadio, kGreenRadio, kRedRadio, kBlueRadio,
                                                  kGreyRadio};
inline constexpr std::array<int, 5> kIconIds = {kNewRadio, kCurrentRadio, kDoneRadio, kFailedRadio,
                                                kCanceledRadio};

// Menu items of the main window.
enum MainMenu : int {
  kMnuProceed = 200,
  kMnuClipboard,
  kMnuMinimize,
  kMnuExit,
  kMnuHelpContents,
  kMnuAbout,
};

enum AboutControl : int {
  kAboutFrame1 = 300,
  kAboutCloseButton,
  kAboutLabel1,
  kAboutLabel2,
  kAboutLabel3,
  kAboutLabel4,
};

// Client areas in twips.
inline constexpr TwipSize kMainClient{6015, 6135};
inline constexpr TwipSize kAboutClient{3255, 1575};

enum class MenuRow { Popup, Item, Separator };

struct MenuSpec {
  MenuRow row;
  int id;               // items only
  const wchar_t* text;  // the caption, a tab, then the shortcut key's name
};

inline constexpr int kVirtualKeyF1 = 0x70;  // VK_F1

// A key that runs a menu item whichever control has the focus.
struct ShortcutSpec {
  int command;
  int virtualKey;
  bool control;  // with Ctrl
};

// The keys that run menu items.
inline constexpr std::array<ShortcutSpec, 3> kMainShortcuts = {{
    {kMnuClipboard, 'C', true},
    {kMnuMinimize, 'M', true},
    {kMnuHelpContents, kVirtualKeyF1, false},
}};

std::span<const ControlSpec> mainControls();
std::span<const ControlSpec> aboutControls();
std::span<const MenuSpec> mainMenu();

const ControlSpec* findSpec(std::span<const ControlSpec> table, int id);

}  // namespace zozi::ui
