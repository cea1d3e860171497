// The "Localized text" / "Standard text" pair, and both exclusive pairs clicked together.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "main_state.h"

namespace zozi {
namespace {

// A click as the window layer delivers it: the platform toggles the box, then its rule runs.
void clickLocalized(MainState& s) {
  s.textModePair.localizedValue ^= 1;
  localizedTextClick(s.textModePair, s.settings);
}
void clickStandard(MainState& s) {
  s.textModePair.standardValue ^= 1;
  standardTextClick(s.textModePair, s.settings);
}
void clickDefault(MainState& s) {
  s.colors.defaultValue ^= 1;
  checkDefaultClick(s.colors);
}
void clickManual(MainState& s) {
  s.colors.manualValue ^= 1;
  checkManualClick(s.colors);
}
void (*const kClicks[])(MainState&) = {clickLocalized, clickStandard, clickDefault, clickManual};

// The state after load, with a message and another icon so that any write shows.
MainState loaded() {
  MainState s;
  loadStep(s);
  s.settings = HintSettings{TextMode::Localized, {"msg", "", "", "", ""}, "taskDone"};
  return s;
}

TEST(TextModePair, TransitionsFollowTheBoxThatEndsChecked) {
  struct Case {
    bool startStandard, clickStandardBox;
    TextModePair to;
    TextMode mode;
  } const cases[] = {{false, false, {1, 0}, TextMode::Localized},
                     {false, true, {0, 1}, TextMode::Standard},
                     {true, true, {0, 1}, TextMode::Standard},
                     {true, false, {1, 0}, TextMode::Localized}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.startStandard << c.clickStandardBox);
    MainState s = loaded();
    if (c.startStandard) clickStandard(s);
    const MainState before = s;
    kClicks[c.clickStandardBox ? 1 : 0](s);
    EXPECT_EQ(s.textModePair, c.to);
    EXPECT_EQ(s.settings.textMode, c.mode);
    EXPECT_EQ(s.settings.texts.message, "msg");
    EXPECT_EQ(s.settings.iconName, "taskDone");
    EXPECT_EQ(s.colors, before.colors);
  }
}

// A rule whose box is unchecked (as in the nested run while the other box takes over) must leave
// the text mode alone; a sentinel shows any write.
TEST(TextModePair, RuleOfTheUncheckedBoxNeverWritesTheMode) {
  for (std::uint16_t sentinel : std::initializer_list<std::uint16_t>{0, 1, 2, 7}) {
    SCOPED_TRACE(sentinel);
    HintSettings s;
    s.textMode = static_cast<TextMode>(sentinel);
    TextModePair pair{0, 1};
    localizedTextClick(pair, s);
    EXPECT_EQ(pair, (TextModePair{0, 1}));
    EXPECT_EQ(static_cast<std::uint16_t>(s.textMode), sentinel);

    pair = {1, 0};
    standardTextClick(pair, s);
    EXPECT_EQ(pair, (TextModePair{1, 0}));
    EXPECT_EQ(static_cast<std::uint16_t>(s.textMode), sentinel);
  }
}

// Starting from a mode that disagrees with the boxes, the box that ends checked decides, also
// when the click lands on the box that is already checked.
TEST(TextModePair, ModeIsWrittenByTheBoxThatEndsChecked) {
  for (int box : {0, 1}) {
    for (bool startStandard : {false, true}) {
      MainState s = loaded();
      if (startStandard) clickStandard(s);
      s.settings.textMode = static_cast<TextMode>(0);
      kClicks[box](s);
      EXPECT_EQ(s.settings.textMode, box == 0 ? TextMode::Localized : TextMode::Standard)
          << box << startStandard;
    }
  }
}

// Every sequence of up to six clicks on the four boxes, from the state after load: each pair
// keeps exactly one box checked, the rest of the state follows the checked boxes, and no text
// is ever touched.
void expectConsistent(const MainState& s, const std::string& path) {
  SCOPED_TRACE("clicks " + path);
  const TextModePair& t = s.textModePair;
  ASSERT_TRUE(t.localizedValue + t.standardValue == 1 && t.localizedValue <= 1);
  ASSERT_EQ(s.settings.textMode, t.localizedValue == 1 ? TextMode::Localized : TextMode::Standard);
  ASSERT_EQ(s.settings.texts.message, "msg");
  ASSERT_EQ(s.settings.iconName, "taskDone");

  const ColorPanel& c = s.colors;
  ASSERT_TRUE(c.defaultValue + c.manualValue == 1 && c.defaultValue <= 1);
  const bool isDefault = c.defaultValue == 1;
  for (bool e : c.optionEnabled) ASSERT_EQ(e, isDefault);
  for (const ComponentField& f : c.fields) {
    ASSERT_EQ(f.enabled, !isDefault);
    ASSERT_EQ(f.background, isDefault ? FieldBackground::Light3D : FieldBackground::Window);
  }
}

void sweep(const MainState& s, const std::string& path, int depth, int& visited) {
  ++visited;
  expectConsistent(s, path);
  if (depth == 0 || testing::Test::HasFailure()) return;
  for (int box = 0; box < 4; ++box) {
    MainState next = s;
    kClicks[box](next);
    sweep(next, path + "LSDM"[box], depth - 1, visited);
  }
}

TEST(ExclusivePairs, EveryClickSequenceKeepsOneBoxOfEachPairAndTheMatchingState) {
  int visited = 0;
  sweep(loaded(), "", 6, visited);
  EXPECT_EQ(visited, 1 + 4 + 16 + 64 + 256 + 1024 + 4096);
}

}  // namespace
}  // namespace zozi
