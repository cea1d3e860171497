// The "Localized text" / "Standard text" pair: exactly one is checked, and the one that ends
// checked writes the text mode.
#pragma once

#include <cstdint>

#include "hint.h"

namespace zozi {

struct TextModePair {
  std::uint16_t localizedValue = 1;
  std::uint16_t standardValue = 0;

  bool operator==(const TextModePair&) const = default;
};

// Rules for a click that has already toggled the box's value in the pair.
void localizedTextClick(TextModePair& pair, HintSettings& settings);
void standardTextClick(TextModePair& pair, HintSettings& settings);

// Writing a box's value from a rule: the box's rule runs at once when the value changes.
void setLocalizedValue(TextModePair& pair, HintSettings& settings, std::uint16_t value);
void setStandardValue(TextModePair& pair, HintSettings& settings, std::uint16_t value);

}  // namespace zozi
