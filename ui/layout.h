// The windows' controls as plain data: name, kind, frame, caption, tooltip, position in twips
// and tab index. The windows create their controls from these tables, in table order.
#pragma once

#include <windows.h>

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
  bool startsGroup;    // first option of an option group
  bool checked;        // check boxes and options: the value the window starts with
  COLORREF textColor;  // labels only; CLR_INVALID: the system's
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

inline constexpr int kMainControlCount = kClipboardButton - kFrame1 + 1;

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
inline constexpr SIZE kMainClient{6015, 6135};
inline constexpr SIZE kAboutClient{3255, 1575};

std::span<const ControlSpec> mainControls();
std::span<const ControlSpec> aboutControls();
// The window class and styles a control of the table is made with.
struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};
ControlClass controlClass(const ControlSpec& row);

const ControlSpec* findSpec(std::span<const ControlSpec> table, int id);

// Twips to pixels at a scale: 15 twips a pixel at 96 dpi.
inline int twipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// A control's rectangle in client pixels at a scale (frame offsets applied).
RECT controlRect(std::span<const ControlSpec> table, const ControlSpec& row, UINT dpi);

// Font height in pixels for a size in hundredths of a point.
inline int fontHeight(int centipoints, UINT dpi) {
  return -MulDiv(centipoints, static_cast<int>(dpi), 7200);
}

}  // namespace zozi::ui
