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

}  // namespace zozi
