// The "Color settings" panel: load state, the Default/Manual pair, the presets, the key filter.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "color_panel.h"
#include "main_state.h"

namespace zozi {
namespace {

// A click as the window layer delivers it: the platform toggles the box, then its rule runs.
void clickDefault(ColorPanel& p) {
  p.defaultValue = p.defaultValue == 1 ? 0 : 1;
  checkDefaultClick(p);
}
void clickManual(ColorPanel& p) {
  p.manualValue = p.manualValue == 1 ? 0 : 1;
  checkManualClick(p);
}

void expectFields(const ColorPanel& p, bool enabled, FieldBackground background) {
  for (const auto& f : p.fields) {
    EXPECT_EQ(f.enabled, enabled);
    EXPECT_EQ(f.background, background);
  }
}
void expectOptions(const ColorPanel& p, bool enabled) {
  for (bool e : p.optionEnabled) EXPECT_EQ(e, enabled);
}

void expectTexts(const ComponentTexts& got, const std::array<std::string, 4>& texts) {
  for (std::size_t i = 0; i < kComponentCount; ++i) EXPECT_EQ(got[i], texts[i]);
}

// The panel right after the load step.
ColorPanel loadedPanel() {
  MainState state;
  loadStep(state);
  return state.colors;
}

TEST(LoadStep, OpensInDefaultModeWithWhiteAndOnePointZeroEverywhere) {
  MainState state;
  const ComponentTexts texts = loadStep(state);
  EXPECT_EQ(state.settings.textMode, TextMode::Localized);
  EXPECT_EQ(state.settings.iconName, "taskNew");
  EXPECT_EQ(state.textModePair, (TextModePair{1, 0}));
  EXPECT_EQ(state.colors.defaultValue, 1);
  EXPECT_EQ(state.colors.manualValue, 0);
  expectOptions(state.colors, true);
  expectFields(state.colors, false, FieldBackground::Light3D);
  expectTexts(texts, {"1.0", "1.0", "1.0", "1.0"});
}

TEST(LoadStep, ResetsModeIconAndFieldsButLeavesCheckBoxesAndOptionsAlone) {
  MainState state;
  state.settings.textMode = TextMode::Standard;
  state.settings.iconName = "taskDone";
  state.textModePair = {0, 1};
  state.colors.defaultValue = 0;
  state.colors.manualValue = 1;
  state.colors.optionEnabled = {false, true, false, true, false};
  for (auto& f : state.colors.fields) f = {true, FieldBackground::Window};
  const ComponentTexts texts = loadStep(state);
  EXPECT_EQ(state.settings.textMode, TextMode::Localized);
  EXPECT_EQ(state.settings.iconName, "taskNew");
  EXPECT_EQ(state.textModePair, (TextModePair{0, 1}));
  EXPECT_EQ(state.colors.defaultValue, 0);
  EXPECT_EQ(state.colors.manualValue, 1);
  EXPECT_EQ(state.colors.optionEnabled, (std::array<bool, 5>{false, true, false, true, false}));
  expectFields(state.colors, false, FieldBackground::Light3D);
  expectTexts(texts, {"1.0", "1.0", "1.0", "1.0"});
}

TEST(ColorMode, ManualFromDefaultEnablesFieldsOnWindowBackgroundAndDisablesOptions) {
  ColorPanel p = loadedPanel();
  clickManual(p);
  EXPECT_EQ(p.defaultValue, 0);
  EXPECT_EQ(p.manualValue, 1);
  expectFields(p, true, FieldBackground::Window);
  expectOptions(p, false);
}

// The Manual rule sets no background itself: Window comes from the Default rule, run nested when
// the Manual rule unchecks Default. Without that change there is no nested run.
TEST(ColorMode, ManualRuleAloneLeavesTheBackground) {
  ColorPanel p = loadedPanel();
  p.defaultValue = 0;
  p.manualValue = 1;
  checkManualClick(p);
  expectFields(p, true, FieldBackground::Light3D);
  expectOptions(p, false);
}

// Run nested with Default unchecked and Manual checked, the Default rule only repaints the fields.
TEST(ColorMode, DefaultRuleWithDefaultUncheckedOnlySetsWindowBackground) {
  ColorPanel p = loadedPanel();
  p.defaultValue = 0;
  p.manualValue = 1;
  p.optionEnabled = {true, false, true, false, true};
  p.fields[1].enabled = true;
  ColorPanel expected = p;
  for (auto& f : expected.fields) f.background = FieldBackground::Window;
  checkDefaultClick(p);
  EXPECT_EQ(p, expected);
}

// And the Manual rule run nested with Manual unchecked does nothing at all.
TEST(ColorMode, ManualRuleWithManualUncheckedDoesNothing) {
  ColorPanel p = loadedPanel();
  p.optionEnabled = {true, false, true, false, true};
  p.fields[2] = {true, FieldBackground::Window};
  const ColorPanel before = p;
  checkManualClick(p);
  EXPECT_EQ(p, before);
}

TEST(ColorMode, DefaultFromManualDisablesFieldsOnLight3DAndEnablesOptions) {
  ColorPanel p = loadedPanel();
  clickManual(p);
  clickDefault(p);
  EXPECT_EQ(p.defaultValue, 1);
  EXPECT_EQ(p.manualValue, 0);
  expectFields(p, false, FieldBackground::Light3D);
  expectOptions(p, true);
}

TEST(ColorMode, ClickOnTheCheckedBoxChangesNothing) {
  ColorPanel p = loadedPanel();
  ColorPanel before = p;
  clickDefault(p);
  EXPECT_EQ(p, before);

  clickManual(p);
  before = p;
  clickManual(p);
  EXPECT_EQ(p, before);
}

struct PresetRow {
  ColorPreset preset;
  std::array<std::string, 4> texts;
};

class Presets : public testing::TestWithParam<PresetRow> {};

TEST_P(Presets, WriteExactlyTheirRow) {
  expectTexts(applyColorPreset(GetParam().preset), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(
    AllFive, Presets,
    testing::Values(PresetRow{ColorPreset::White, {"1.0", "1.0", "1.0", "1.0"}},
                    PresetRow{ColorPreset::Green, {"0.0", "1.0", "0.0", "1.0"}},
                    PresetRow{ColorPreset::Red, {"1.0", "0.0", "0.0", "1.0"}},
                    PresetRow{ColorPreset::Blue, {"0.0", "0.0", "1.0", "1.0"}},
                    PresetRow{ColorPreset::Grey, {"0.75", "0.75", "0.75", "1.0"}}));

TEST(ComponentKeyFilter, AcceptsExactlyBackspacePointAndDigits) {
  int accepted = 0;
  for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
    const bool expected = code == 8 || code == 46 || (code >= '0' && code <= '9');
    const bool got = filterComponentKey(static_cast<std::uint16_t>(code)) == KeyVerdict::Accepted;
    if (got) ++accepted;
    if (got != expected) ADD_FAILURE() << "code " << code << " judged wrongly";
  }
  EXPECT_EQ(accepted, 12);
}

}  // namespace
}  // namespace zozi
