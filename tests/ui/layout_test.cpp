// Both windows at the screen scale they run at: every control at its place in the layout,
// fonts at their point sizes, captions that fit, and names a screen reader can find. The test
// command runs this at 96, 120, 144 and 192 dpi (ZOZI_EXPECTED_DPI names the scale).
#include <windows.h>
#include <commctrl.h>
// IID_IAccessible defined here: MinGW-w64's oleacc import library has no such data, and a
// declaration alone resolves to something else, so that every query would fail.
#include <initguid.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "controls.h"
#include "environment.h"
#include "expected_places.h"
#include "window_test.h"

namespace zozi::test {
namespace {

using namespace zozi::ui;

UINT expectedDpi(UINT actual) {
  return static_cast<UINT>(environmentNumber(L"ZOZI_EXPECTED_DPI", actual));
}

int centipointsFor(FontRole role) {
  switch (role) {
    case FontRole::Frame:
    case FontRole::Small:
      return 825;
    case FontRole::Title:
      return 1200;
    case FontRole::Window:
      break;
  }
  return 975;
}

struct Pinned {
  int id;
  RECT rect;  // client pixels
};

// One window at one scale: its client area and every control's place.
struct PinnedLayout {
  UINT dpi;
  SIZE client;
  std::span<const Pinned> controls;
};

// The places worked out by hand from the layout's twips, not by the program's own conversion.
// Each edge on its own: the twips of the frame's corner plus the control's own (its corner, then
// its corner plus its size), times dpi / 1440 (15 twips a pixel at 96 dpi, 12 at 120, 10 at 144,
// 7.5 at 192), and a result on half a pixel rounded up, never cut. A few rows give the twips of
// their left, top, right and bottom edges and the pixels before rounding.
constexpr Pinned kMainAt96[] = {
    {kFrame1, {8, 8, 393, 89}},                // Frame1
    {kEntryText, {16, 24, 385, 46}},           // entryText
    {kLocalizedText, {16, 56, 121, 73}},       // localizedText
    {kStandardText, {136, 56, 241, 73}},       // standardText
    {kClearTextButton, {320, 56, 385, 81}},    // clearTextButton
    {kFrame2, {8, 96, 233, 257}},              // Frame2
    {kCheckDefault, {16, 112, 81, 129}},       // Check_default
    {kWhiteRadio, {16, 136, 89, 153}},         // whiteRadio
    {kRedRadio, {16, 160, 73, 177}},           // redRadio
    {kGreenRadio, {16, 184, 89, 201}},         // greenRadio
    {kBlueRadio, {16, 208, 81, 225}},          // blueRadio
    {kGreyRadio, {16, 232, 89, 249}},          // greyRadio
    {kCheckManual, {120, 112, 193, 129}},      // Check_manual
    {kRedText, {120, 144, 177, 163}},          // redText
    {kGreenText, {120, 168, 177, 187}},        // greenText
    {kBlueText, {120, 192, 177, 211}},         // blueText
    {kAlphaText, {120, 216, 177, 235}},        // alphaText
    {kColorLabel1, {184, 144, 209, 161}},      // Label1
    {kColorLabel2, {184, 168, 225, 185}},      // Label2
    {kColorLabel3, {184, 192, 209, 209}},      // Label3
    {kColorLabel4, {184, 216, 217, 233}},      // Label4
    {kFrame3, {240, 96, 393, 257}},            // Frame3
    {kNewRadio, {264, 128, 337, 145}},         // newRadio
    {kCurrentRadio, {264, 152, 329, 169}},     // currentRadio
    {kDoneRadio, {264, 176, 337, 193}},        // doneRadio
    {kFailedRadio, {264, 200, 345, 217}},      // failedRadio
    {kCanceledRadio, {264, 224, 345, 241}},    // canceledRadio
    {kFrame5, {8, 264, 393, 345}},             // Frame5
    {kDebugText, {16, 280, 385, 337}},         // debugText
    {kFrame4, {8, 352, 393, 401}},             // Frame4
    {kExitButton, {16, 368, 89, 393}},         // exitButton
    {kClearButton, {152, 368, 225, 393}},      // clearButton
    {kProceedButton, {232, 368, 305, 393}},    // proceedButton
    {kClipboardButton, {312, 368, 385, 393}},  // clipboardButton
};
constexpr Pinned kMainAt120[] = {
    {kFrame1, {10, 10, 491, 111}},
    {kEntryText, {20, 30, 481, 58}},  // 240 360 5775 690: 20 30 481.25 57.5
    {kLocalizedText, {20, 70, 151, 91}},
    {kStandardText, {170, 70, 301, 91}},
    {kClearTextButton, {400, 70, 481, 101}},
    {kFrame2, {10, 120, 291, 321}},
    {kCheckDefault, {20, 140, 101, 161}},
    {kWhiteRadio, {20, 170, 111, 191}},
    {kRedRadio, {20, 200, 91, 221}},
    {kGreenRadio, {20, 230, 111, 251}},
    {kBlueRadio, {20, 260, 101, 281}},
    {kGreyRadio, {20, 290, 111, 311}},
    {kCheckManual, {150, 140, 241, 161}},
    {kRedText, {150, 180, 221, 204}},  // 1800 2160 2655 2445: 150 180 221.25 203.75
    {kGreenText, {150, 210, 221, 234}},
    {kBlueText, {150, 240, 221, 264}},
    {kAlphaText, {150, 270, 221, 294}},
    {kColorLabel1, {230, 180, 261, 201}},
    {kColorLabel2, {230, 210, 281, 231}},
    {kColorLabel3, {230, 240, 261, 261}},
    {kColorLabel4, {230, 270, 271, 291}},  // 2760 3240 3255 3495: 230 270 271.25 291.25
    {kFrame3, {300, 120, 491, 321}},
    {kNewRadio, {330, 160, 421, 181}},
    {kCurrentRadio, {330, 190, 411, 211}},
    {kDoneRadio, {330, 220, 421, 241}},
    {kFailedRadio, {330, 250, 431, 271}},  // 3960 3000 5175 3255: 330 250 431.25 271.25
    {kCanceledRadio, {330, 280, 431, 301}},
    {kFrame5, {10, 330, 491, 431}},
    {kDebugText, {20, 350, 481, 421}},  // 240 4200 5775 5055: 20 350 481.25 421.25
    {kFrame4, {10, 440, 491, 501}},     // 120 5280 5895 6015: 10 440 491.25 501.25
    {kExitButton, {20, 460, 111, 491}},
    {kClearButton, {190, 460, 281, 491}},
    {kProceedButton, {290, 460, 381, 491}},  // 3480 5520 4575 5895: 290 460 381.25 491.25
    {kClipboardButton, {390, 460, 481, 491}},
};
constexpr Pinned kMainAt144[] = {
    {kFrame1, {12, 12, 590, 134}},
    {kEntryText, {24, 36, 578, 69}},  // 240 360 5775 690: 24 36 577.5 69
    {kLocalizedText, {24, 84, 182, 110}},
    {kStandardText, {204, 84, 362, 110}},
    {kClearTextButton, {480, 84, 578, 122}},
    {kFrame2, {12, 144, 350, 386}},
    {kCheckDefault, {24, 168, 122, 194}},
    {kWhiteRadio, {24, 204, 134, 230}},
    {kRedRadio, {24, 240, 110, 266}},
    {kGreenRadio, {24, 276, 134, 302}},
    {kBlueRadio, {24, 312, 122, 338}},
    {kGreyRadio, {24, 348, 134, 374}},
    {kCheckManual, {180, 168, 290, 194}},
    {kRedText, {180, 216, 266, 245}},  // 1800 2160 2655 2445: 180 216 265.5 244.5
    {kGreenText, {180, 252, 266, 281}},
    {kBlueText, {180, 288, 266, 317}},
    {kAlphaText, {180, 324, 266, 353}},
    {kColorLabel1, {276, 216, 314, 242}},
    {kColorLabel2, {276, 252, 338, 278}},
    {kColorLabel3, {276, 288, 314, 314}},
    {kColorLabel4, {276, 324, 326, 350}},  // 2760 3240 3255 3495: 276 324 325.5 349.5
    {kFrame3, {360, 144, 590, 386}},
    {kNewRadio, {396, 192, 506, 218}},
    {kCurrentRadio, {396, 228, 494, 254}},
    {kDoneRadio, {396, 264, 506, 290}},
    {kFailedRadio, {396, 300, 518, 326}},  // 3960 3000 5175 3255: 396 300 517.5 325.5
    {kCanceledRadio, {396, 336, 518, 362}},
    {kFrame5, {12, 396, 590, 518}},
    {kDebugText, {24, 420, 578, 506}},  // 240 4200 5775 5055: 24 420 577.5 505.5
    {kFrame4, {12, 528, 590, 602}},     // 120 5280 5895 6015: 12 528 589.5 601.5
    {kExitButton, {24, 552, 134, 590}},
    {kClearButton, {228, 552, 338, 590}},
    {kProceedButton, {348, 552, 458, 590}},  // 3480 5520 4575 5895: 348 552 457.5 589.5
    {kClipboardButton, {468, 552, 578, 590}},
};
constexpr Pinned kMainAt192[] = {
    {kFrame1, {16, 16, 786, 178}},
    {kEntryText, {32, 48, 770, 92}},  // 240 360 5775 690: 32 48 770 92
    {kLocalizedText, {32, 112, 242, 146}},
    {kStandardText, {272, 112, 482, 146}},
    {kClearTextButton, {640, 112, 770, 162}},
    {kFrame2, {16, 192, 466, 514}},
    {kCheckDefault, {32, 224, 162, 258}},
    {kWhiteRadio, {32, 272, 178, 306}},
    {kRedRadio, {32, 320, 146, 354}},
    {kGreenRadio, {32, 368, 178, 402}},
    {kBlueRadio, {32, 416, 162, 450}},
    {kGreyRadio, {32, 464, 178, 498}},
    {kCheckManual, {240, 224, 386, 258}},
    {kRedText, {240, 288, 354, 326}},  // 1800 2160 2655 2445: 240 288 354 326
    {kGreenText, {240, 336, 354, 374}},
    {kBlueText, {240, 384, 354, 422}},
    {kAlphaText, {240, 432, 354, 470}},
    {kColorLabel1, {368, 288, 418, 322}},
    {kColorLabel2, {368, 336, 450, 370}},
    {kColorLabel3, {368, 384, 418, 418}},
    {kColorLabel4, {368, 432, 434, 466}},  // 2760 3240 3255 3495: 368 432 434 466
    {kFrame3, {480, 192, 786, 514}},
    {kNewRadio, {528, 256, 674, 290}},
    {kCurrentRadio, {528, 304, 658, 338}},
    {kDoneRadio, {528, 352, 674, 386}},
    {kFailedRadio, {528, 400, 690, 434}},  // 3960 3000 5175 3255: 528 400 690 434
    {kCanceledRadio, {528, 448, 690, 482}},
    {kFrame5, {16, 528, 786, 690}},
    {kDebugText, {32, 560, 770, 674}},  // 240 4200 5775 5055: 32 560 770 674
    {kFrame4, {16, 704, 786, 802}},     // 120 5280 5895 6015: 16 704 786 802
    {kExitButton, {32, 736, 178, 786}},
    {kClearButton, {304, 736, 450, 786}},
    {kProceedButton, {464, 736, 610, 786}},  // 3480 5520 4575 5895: 464 736 610 786
    {kClipboardButton, {624, 736, 770, 786}},
};
constexpr Pinned kAboutAt96[] = {
    {kAboutFrame1, {8, 0, 209, 97}},   {kAboutCloseButton, {144, 64, 201, 89}},
    {kAboutLabel1, {16, 16, 201, 33}}, {kAboutLabel2, {16, 32, 73, 49}},
    {kAboutLabel3, {16, 56, 105, 73}}, {kAboutLabel4, {16, 72, 145, 89}},
};
constexpr Pinned kAboutAt120[] = {
    {kAboutFrame1, {10, 0, 261, 121}},         // 120 0 3135 1455: 10 0 261.25 121.25
    {kAboutCloseButton, {180, 80, 251, 111}},  // 2160 960 3015 1335: 180 80 251.25 111.25
    {kAboutLabel1, {20, 20, 251, 41}},         // 240 240 3015 495: 20 20 251.25 41.25
    {kAboutLabel2, {20, 40, 91, 61}},          // 240 480 1095 735: 20 40 91.25 61.25
    {kAboutLabel3, {20, 70, 131, 91}},         // 240 840 1575 1095: 20 70 131.25 91.25
    {kAboutLabel4, {20, 90, 181, 111}},        // 240 1080 2175 1335: 20 90 181.25 111.25
};
constexpr Pinned kAboutAt144[] = {
    {kAboutFrame1, {12, 0, 314, 146}},         // 120 0 3135 1455: 12 0 313.5 145.5
    {kAboutCloseButton, {216, 96, 302, 134}},  // 2160 960 3015 1335: 216 96 301.5 133.5
    {kAboutLabel1, {24, 24, 302, 50}},         // 240 240 3015 495: 24 24 301.5 49.5
    {kAboutLabel2, {24, 48, 110, 74}},         // 240 480 1095 735: 24 48 109.5 73.5
    {kAboutLabel3, {24, 84, 158, 110}},        // 240 840 1575 1095: 24 84 157.5 109.5
    {kAboutLabel4, {24, 108, 218, 134}},       // 240 1080 2175 1335: 24 108 217.5 133.5
};
constexpr Pinned kAboutAt192[] = {
    {kAboutFrame1, {16, 0, 418, 194}},          // 120 0 3135 1455: 16 0 418 194
    {kAboutCloseButton, {288, 128, 402, 178}},  // 2160 960 3015 1335: 288 128 402 178
    {kAboutLabel1, {32, 32, 402, 66}},          // 240 240 3015 495: 32 32 402 66
    {kAboutLabel2, {32, 64, 146, 98}},          // 240 480 1095 735: 32 64 146 98
    {kAboutLabel3, {32, 112, 210, 146}},        // 240 840 1575 1095: 32 112 210 146
    {kAboutLabel4, {32, 144, 290, 178}},        // 240 1080 2175 1335: 32 144 290 178
};

// The client areas: the main window's 6015 by 6135 twips, the About window's 3255 by 1575.
constexpr PinnedLayout kMainLayouts[] = {
    {96, {401, 409}, kMainAt96},
    {120, {501, 511}, kMainAt120},  // 501.25, 511.25
    {144, {602, 614}, kMainAt144},  // 601.5, 613.5
    {192, {802, 818}, kMainAt192},
};
constexpr PinnedLayout kAboutLayouts[] = {
    {96, {217, 105}, kAboutAt96},
    {120, {271, 131}, kAboutAt120},  // 271.25, 131.25
    {144, {326, 158}, kAboutAt144},  // 325.5, 157.5
    {192, {434, 210}, kAboutAt192},
};

// The window's places at the scale, or null where none are pinned.
const PinnedLayout* pinnedAt(std::span<const PinnedLayout> layouts, UINT dpi) {
  for (const PinnedLayout& layout : layouts) {
    if (layout.dpi == dpi) return &layout;
  }
  return nullptr;
}

const Pinned* pinOf(const PinnedLayout& layout, int id) {
  for (const Pinned& pin : layout.controls) {
    if (pin.id == id) return &pin;
  }
  return nullptr;
}

void expectPinned(HWND window, std::span<const Pinned> pins) {
  for (const Pinned& pin : pins) {
    EXPECT_EQ(edgesOf(placeOf(GetDlgItem(window, pin.id))), edgesOf(pin.rect)) << pin.id;
  }
}

// Checks one window against its table at a scale: every control at its pinned place, where the
// scale has pinned places, and at any scale its font and a caption that fits.
void expectLaidOut(HWND window, std::span<const ControlSpec> table, const PinnedLayout* pins,
                   UINT dpi) {
  if (pins) {
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, pins->client.cx);
    EXPECT_EQ(client.bottom, pins->client.cy);
    EXPECT_EQ(pins->controls.size(), table.size()) << "controls and pinned places differ";
  }
  const int glyph = MulDiv(13 + 6, static_cast<int>(dpi), 96);  // check mark and its gap
  for (const auto& row : table) {
    SCOPED_TRACE(std::string(row.name, row.name + wcslen(row.name)));
    HWND control = GetDlgItem(window, row.id);
    ASSERT_NE(control, nullptr);
    const RECT place = placeOf(control);
    if (pins) {
      const Pinned* pin = pinOf(*pins, row.id);
      ASSERT_NE(pin, nullptr) << "no place pinned";
      EXPECT_EQ(edgesOf(place), edgesOf(pin->rect));
    }

    // A plain etched rectangle draws no text and keeps no font.
    if (row.kind != Kind::EtchedFrame) {
      const LOGFONTW font = fontOf(control);
      EXPECT_STREQ(font.lfFaceName, L"Calibri");
      EXPECT_EQ(font.lfCharSet, EASTEUROPE_CHARSET);
      EXPECT_EQ(font.lfHeight, fontHeightFor(centipointsFor(row.font), dpi));
      EXPECT_EQ(font.lfWeight, row.font == FontRole::Title ? FW_BOLD : FW_NORMAL);
    }

    // No caption is cut: labels and frames hold their text, buttons with their borders,
    // check boxes and options beside their mark.
    const int width = place.right - place.left;
    switch (row.kind) {
      case Kind::Label:
      case Kind::Frame:
        EXPECT_LE(textWidth(control, textOf(control)), width);
        break;
      case Kind::Button:
        EXPECT_LE(textWidth(control, textOf(control)) + MulDiv(8, static_cast<int>(dpi), 96),
                  width);
        break;
      case Kind::Check:
      case Kind::Radio:
        EXPECT_LE(textWidth(control, textOf(control)) + glyph, width);
        break;
      case Kind::EtchedFrame:
      case Kind::Edit:
      case Kind::MultiEdit:
        break;
    }
  }
}

using LayoutTest = WindowTest;

TEST_F(LayoutTest, MainWindowFollowsTheTableAtTheScreenScale) {
  const UINT dpi = window.dpi();
  EXPECT_EQ(dpi, expectedDpi(dpi));
  const PinnedLayout* pins = pinnedAt(kMainLayouts, dpi);
  expectLaidOut(main(), mainControls(), pins, dpi);
  if (!pins) GTEST_SKIP() << "places are pinned at 96, 120, 144 and 192 dpi, not at " << dpi;
}

TEST_F(LayoutTest, AboutWindowFollowsTheTableAtTheScreenScale) {
  command(kMnuAbout);
  HWND about = window.aboutHwnd();
  ASSERT_NE(about, nullptr);
  const UINT dpi = window.dpi();
  const PinnedLayout* pins = pinnedAt(kAboutLayouts, dpi);
  expectLaidOut(about, aboutControls(), pins, dpi);
  SendMessageW(about, WM_CLOSE, 0, 0);
  if (!pins) GTEST_SKIP() << "places are pinned at 96, 120, 144 and 192 dpi, not at " << dpi;
}

TEST_F(LayoutTest, MovingToAnotherScaleLaysOutAgainFromTheSameTable) {
  const UINT from = window.dpi();
  const UINT to = from == 144 ? 96 : 144;
  const PinnedLayout* pins = pinnedAt(kMainLayouts, to);
  ASSERT_NE(pins, nullptr);
  RECT before{};
  GetWindowRect(main(), &before);
  // The system suggests a frame of the new scale at the same place.
  RECT suggested{before.left, before.top,
                 before.left + MulDiv(before.right - before.left, static_cast<int>(to),
                                      static_cast<int>(from)),
                 before.top + MulDiv(before.bottom - before.top, static_cast<int>(to),
                                     static_cast<int>(from))};
  changeScale(to, suggested);
  EXPECT_EQ(window.dpi(), to);
  RECT after{};
  GetWindowRect(main(), &after);
  EXPECT_EQ(after.left, suggested.left);
  EXPECT_EQ(after.top, suggested.top);
  // Positions and fonts follow the new scale; captions are measured with fonts made for it.
  for (const auto& row : mainControls()) {
    SCOPED_TRACE(std::string(row.name, row.name + wcslen(row.name)));
    const Pinned* pin = pinOf(*pins, row.id);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(edgesOf(placeOf(item(row.id))), edgesOf(pin->rect));
    EXPECT_EQ(fontOf(item(row.id)).lfHeight, fontHeightFor(centipointsFor(row.font), to));
  }
  RECT client{};
  GetClientRect(main(), &client);
  EXPECT_EQ(client.right, pins->client.cx);
  EXPECT_EQ(client.bottom, pins->client.cy);
}

// 110 dpi is no multiple of 24 dpi: many edges fall between pixels, and a control whose size were
// converted on its own would end a pixel away from where its right or bottom edge belongs. Each
// edge here is MulDiv(twips, 110, 1440), worked out by hand and rounded to the nearest pixel.
TEST_F(LayoutTest, AtAScaleOffTheTwentyFourDpiStepsEachEdgeIsRoundedOnItsOwn) {
  changeScale(110);
  ASSERT_EQ(window.dpi(), 110u);
  RECT client{};
  GetClientRect(main(), &client);
  EXPECT_EQ(client.right, 459);   // 6015 twips: 459.48
  EXPECT_EQ(client.bottom, 469);  // 6135 twips: 468.65
  static const Pinned mainPins[] = {
      // Left, top, right, bottom in twips, then in pixels before rounding.
      {kEntryText, {18, 28, 441, 53}},           // 240 360 5775 690: 18.33 27.50 441.15 52.71
      {kDebugText, {18, 321, 441, 386}},         // 240 4200 5775 5055: 18.33 320.83 441.15 386.15
      {kClipboardButton, {358, 422, 441, 450}},  // 4680 5520 5775 5895: 357.50 421.67 441.15 450.31
      {kProceedButton, {266, 422, 349, 450}},    // 3480 5520 4575 5895: 265.83 421.67 349.48 450.31
      {kRedText, {138, 165, 203, 187}},          // 1800 2160 2655 2445: 137.50 165.00 202.81 186.77
      {kGreenText, {138, 193, 203, 214}},        // 1800 2520 2655 2805: 137.50 192.50 202.81 214.27
      {kColorLabel1, {211, 165, 239, 184}},      // 2760 2160 3135 2415: 210.83 165.00 239.48 184.48
      {kFailedRadio, {303, 229, 395, 249}},      // 3960 3000 5175 3255: 302.50 229.17 395.31 248.65
      {kFrame5, {9, 303, 450, 395}},             // 120 3960 5895 5175: 9.17 302.50 450.31 395.31
  };
  expectPinned(main(), mainPins);
  // Edges that coincide in twips coincide in pixels: the Clipboard button ends where the text
  // boxes above it end (5775 twips), and the buttons of a row end on one line (5895 twips).
  EXPECT_EQ(placeOf(item(kClipboardButton)).right, placeOf(item(kDebugText)).right);
  EXPECT_EQ(placeOf(item(kClipboardButton)).right, placeOf(item(kEntryText)).right);
  EXPECT_EQ(placeOf(item(kProceedButton)).bottom, placeOf(item(kClipboardButton)).bottom);

  command(kMnuAbout);
  const HWND about = window.aboutHwnd();
  ASSERT_NE(about, nullptr);
  changeScale(110, {}, about);
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 249);   // 3255 twips: 248.65
  EXPECT_EQ(client.bottom, 120);  // 1575 twips: 120.31
  static const Pinned aboutPins[] = {
      {kAboutFrame1, {9, 0, 239, 111}},          // 120 0 3135 1455: 9.17 0.00 239.48 111.15
      {kAboutLabel1, {18, 18, 230, 38}},         // 240 240 3015 495: 18.33 18.33 230.31 37.81
      {kAboutLabel2, {18, 37, 84, 56}},          // 240 480 1095 735: 18.33 36.67 83.65 56.15
      {kAboutCloseButton, {165, 73, 230, 102}},  // 2160 960 3015 1335: 165.00 73.33 230.31 101.98
  };
  expectPinned(about, aboutPins);
  SendMessageW(about, WM_CLOSE, 0, 0);
}

// A screen reader names a text box after the frame or label made just before it.
TEST_F(LayoutTest, EveryTextBoxIsNamedByItsFrameOrLabel) {
  const struct {
    int id;
    const wchar_t* name;
  } boxes[] = {{kEntryText, L"Task Hint text"}, {kRedText, L"Red"},
               {kGreenText, L"Green"},          {kBlueText, L"Blue"},
               {kAlphaText, L"Alpha"},          {kDebugText, L"Debug log"}};
  const bool wine = underWine();
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const auto& box : boxes) {
    HWND edit = window.control(box.id);
    HWND label = GetWindow(edit, GW_HWNDPREV);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(textOf(label), box.name);
    // The accessibility layer's own proxy for the box, and the name it finds for it.
    IAccessible* accessible = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(edit, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                         reinterpret_cast<void**>(&accessible)),
              S_OK)
        << box.name;
    ASSERT_NE(accessible, nullptr);
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT named = accessible->get_accName(self, &name);
    const std::wstring found = named == S_OK && name ? std::wstring(name, SysStringLen(name)) : L"";
    if (name) SysFreeString(name);
    accessible->Release();
    // The documented label search takes the static text just before the box; a frame (a group
    // box) is no static text, and what a proxy makes of it is shown, not checked. Wine's proxy
    // searches in another way: its answers are shown only.
    wchar_t labelClass[16]{};
    GetClassNameW(label, labelClass, 16);
    const bool byStaticText = lstrcmpiW(labelClass, L"Static") == 0;
    if (wine || !byStaticText) {
      std::printf("%ls, not checked: accessible name of the box after \"%ls\": \"%ls\"\n",
                  wine ? L"under Wine" : L"after a frame", box.name, found.c_str());
    } else {
      EXPECT_EQ(named, S_OK) << box.name;
      EXPECT_EQ(found, box.name);
    }
  }
  CoUninitialize();
}

}  // namespace
}  // namespace zozi::test
