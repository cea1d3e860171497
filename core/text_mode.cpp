#include "text_mode.h"

namespace zozi {

namespace {

// Writing a box's value from a rule: the box's rule runs at once when the value changes.

void setLocalizedValue(TextModePair& pair, HintSettings& settings, std::uint16_t value) {
  if (pair.localizedValue == value) return;
  pair.localizedValue = value;
  localizedTextClick(pair, settings);
}

void setStandardValue(TextModePair& pair, HintSettings& settings, std::uint16_t value) {
  if (pair.standardValue == value) return;
  pair.standardValue = value;
  standardTextClick(pair, settings);
}

}  // namespace

void localizedTextClick(TextModePair& pair, HintSettings& settings) {
  if (pair.localizedValue == 1) setStandardValue(pair, settings, 0);
  if (pair.localizedValue == 0 && pair.standardValue == 0) setLocalizedValue(pair, settings, 1);
  if (pair.localizedValue == 1) settings.textMode = TextMode::Localized;
}

void standardTextClick(TextModePair& pair, HintSettings& settings) {
  if (pair.standardValue == 1) setLocalizedValue(pair, settings, 0);
  if (pair.standardValue == 0 && pair.localizedValue == 0) setStandardValue(pair, settings, 1);
  if (pair.standardValue == 1) settings.textMode = TextMode::Standard;
}

}  // namespace zozi
