// The "Color settings" frame as a plain record, and the rules behind its controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "notice.h"

namespace zozi {

// In this order the mode rules enable and disable the options.
enum class ColorPreset { White, Green, Red, Blue, Grey };
inline constexpr std::size_t kPresetCount = 5;

// Both are system colours, resolved when the field is painted so they follow the user's scheme.
enum class FieldBackground { Light3D, Window };

// Red, green, blue, alpha: the order in which every rule visits the fields.
enum class Component { Red, Green, Blue, Alpha };
inline constexpr std::size_t kComponentCount = 4;

struct ComponentField {
  std::string text;  // UTF-8, never parsed
  bool enabled = true;
  FieldBackground background = FieldBackground::Window;

  bool operator==(const ComponentField&) const = default;
};

// The colour mode is not stored: the two check boxes are the state. Their values change only
// through setDefaultValue and setManualValue, which run the box's rule when the value changes.
struct ColorPanel {
  std::uint16_t defaultValue = 1;
  std::uint16_t manualValue = 0;
  std::array<bool, kPresetCount> optionEnabled{true, true, true, true, true};
  ColorPreset selected = ColorPreset::White;  // kept by the option group, not by the rules
  std::array<ComponentField, kComponentCount> fields;

  ComponentField& field(Component c) { return fields[static_cast<std::size_t>(c)]; }
  const ComponentField& field(Component c) const { return fields[static_cast<std::size_t>(c)]; }
  bool optionIsEnabled(ColorPreset p) const { return optionEnabled[static_cast<std::size_t>(p)]; }
  bool operator==(const ColorPanel&) const = default;
};

// The four texts a preset writes, red to alpha.
const std::array<const char*, kComponentCount>& presetTexts(ColorPreset preset);

// The colour share of the window's load step: "1.0" everywhere, fields disabled on Light3D.
void initColorPanel(ColorPanel& panel);

// Rules for a click that has already toggled the box's value in the panel.
void checkDefaultClick(ColorPanel& panel);
void checkManualClick(ColorPanel& panel);

// Writing a box's value from a rule: the box's rule runs at once when the value changes.
void setDefaultValue(ColorPanel& panel, std::uint16_t value);
void setManualValue(ColorPanel& panel, std::uint16_t value);

void applyColorPreset(ColorPanel& panel, ColorPreset preset);

enum class KeyVerdict { Accepted, Rejected };

// Judges one typed character of a component field; only the character, never the text.
KeyVerdict filterComponentKey(std::uint16_t code);

// Shown for a rejected character (no beep); the character is then dropped.
Notice rejectedKeyWarning();

}  // namespace zozi
