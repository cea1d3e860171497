// The windows' controls and the main window's menu and shortcut keys as plain data: name, kind,
// frame, caption, tooltip, position in twips and tab index. The windows create their controls
// from these tables, in table order; nothing here depends on the window system.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zozi::ui {

// Frame: a group box with a caption; EtchedFrame: a plain etched rectangle, edge at its top row.
enum class Kind { Frame, EtchedFrame, Edit, MultiEdit, Check, Radio, Button, Label };
enum class FontRole { Window, Frame, Title, Small };

struct ControlSpec {
  int id;
  const wchar_t* name;
  Kind kind;
  int frameId;  // 0: placed on the window itself (the frames)
  const wchar_t* text;
  const wchar_t* tooltip;        // nullptr: none
  int left, top, width, height;  // twips; relative to the frame, or to the client area
  int tabIndex;
  FontRole font;
  bool startsGroup;         // first option of an option group
  bool checked;             // check boxes and options: the value the window starts with
  std::uint32_t textColor;  // labels only, as 0x00bbggrr; kSystemTextColor: the system's
};

// Labels whose text takes the system's colour.
inline constexpr std::uint32_t kSystemTextColor = 0xFFFFFFFFu;

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

std::span<const ControlSpec> mainControls();
std::span<const ControlSpec> aboutControls();
std::span<const MenuSpec> mainMenu();
std::span<const ShortcutSpec> mainShortcuts();

const ControlSpec* findSpec(std::span<const ControlSpec> table, int id);

}  // namespace zozi::ui
