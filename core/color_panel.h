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
inline constexpr std::size_t kComponentCount = 4;

// What the panel keeps of a component field. Its text is not here: the field owns what the user
// types, and the rules that set the texts return them for the window to write.
struct ComponentField {
  bool enabled = true;
  FieldBackground background = FieldBackground::Window;

  bool operator==(const ComponentField&) const = default;
};

// The four texts a rule writes into the fields, red to alpha.
using ComponentTexts = std::array<const char*, kComponentCount>;

// The colour mode is not stored: the two check boxes are the state. A rule changes a box's value
// only through a step that runs that box's rule as well when the value changes.
// Nor is the selected option: the option group owns it and hands a click's preset straight to
// applyColorPreset.
struct ColorPanel {
  std::uint16_t defaultValue = 1;
  std::uint16_t manualValue = 0;
  std::array<bool, kPresetCount> optionEnabled{true, true, true, true, true};
  std::array<ComponentField, kComponentCount> fields;

  bool operator==(const ColorPanel&) const = default;
};

// The colour share of the window's load step: the fields disabled on Light3D. Returns the texts
// to write into them, "1.0" everywhere.
ComponentTexts initColorPanel(ColorPanel& panel);

// Rules for a click that has already toggled the box's value in the panel.
void checkDefaultClick(ColorPanel& panel);
void checkManualClick(ColorPanel& panel);

// The texts a preset writes into the fields; nothing else changes.
const ComponentTexts& applyColorPreset(ColorPreset preset);

enum class KeyVerdict { Accepted, Rejected };

// Judges one typed character of a component field; only the character, never the text.
KeyVerdict filterComponentKey(std::uint16_t code);

// Shown for a rejected character (no beep); the character is then dropped.
Notice rejectedKeyWarning();

}  // namespace zozi
