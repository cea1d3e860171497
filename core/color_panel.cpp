#include "color_panel.h"

namespace zozi {

const ComponentTexts& applyColorPreset(ColorPreset preset) {
  static const std::array<ComponentTexts, kPresetCount> table = {{
      {"1.0", "1.0", "1.0", "1.0"},     // White
      {"0.0", "1.0", "0.0", "1.0"},     // Green
      {"1.0", "0.0", "0.0", "1.0"},     // Red
      {"0.0", "0.0", "1.0", "1.0"},     // Blue
      {"0.75", "0.75", "0.75", "1.0"},  // Grey
  }};
  return table[static_cast<std::size_t>(preset)];
}

ComponentTexts initColorPanel(ColorPanel& panel) {
  for (auto& f : panel.fields) {
    f.enabled = false;
    f.background = FieldBackground::Light3D;
  }
  return {"1.0", "1.0", "1.0", "1.0"};
}

namespace {

// Writing a box's value from a rule: the box's rule runs at once when the value changes.

void setDefaultValue(ColorPanel& panel, std::uint16_t value) {
  if (panel.defaultValue == value) return;
  panel.defaultValue = value;
  checkDefaultClick(panel);
}

void setManualValue(ColorPanel& panel, std::uint16_t value) {
  if (panel.manualValue == value) return;
  panel.manualValue = value;
  checkManualClick(panel);
}

}  // namespace

void checkDefaultClick(ColorPanel& panel) {
  if (panel.defaultValue == 1) setManualValue(panel, 0);
  if (panel.defaultValue == 0 && panel.manualValue == 0) setDefaultValue(panel, 1);
  if (panel.defaultValue == 1) {
    for (auto& enabled : panel.optionEnabled) enabled = true;
  }
  for (auto& f : panel.fields) {
    if (panel.defaultValue == 1) f.enabled = false;
    f.background = panel.defaultValue == 1 ? FieldBackground::Light3D : FieldBackground::Window;
  }
}

void checkManualClick(ColorPanel& panel) {
  if (panel.manualValue == 1) setDefaultValue(panel, 0);
  if (panel.manualValue == 0 && panel.defaultValue == 0) setManualValue(panel, 1);
  if (panel.manualValue == 1) {
    for (auto& f : panel.fields) f.enabled = true;
  }
  if (panel.manualValue == 1) {
    for (auto& enabled : panel.optionEnabled) enabled = false;
  }
}

KeyVerdict filterComponentKey(std::uint16_t code) {
  const bool accepted = code == '\b' || code == '.' || (code >= '0' && code <= '9');
  return accepted ? KeyVerdict::Accepted : KeyVerdict::Rejected;
}

Notice rejectedKeyWarning() {
  return Notice{
      kAppTitle,
      std::string("Only numbers are allowed !") + kLineBreak + "Value can be from 0 to 1.",
      NoticeIcon::Exclamation, NoticeButtons::Ok, /*beepFirst=*/false};
}

}  // namespace zozi
