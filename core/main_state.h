// Everything the main window keeps for its whole life, and its load step.
#pragma once

#include "color_panel.h"
#include "hint.h"
#include "text_mode.h"

namespace zozi {

struct MainState {
  HintSettings settings;
  TextModePair textModePair;  // starts as the layout says: "Localized text" checked
  ColorPanel colors;          // starts as the layout says: "Default" checked, the options enabled
};

// Before the window is first shown: text mode Localized, the colour panel's initial state,
// icon name "taskNew". Returns the texts to write into the component fields.
ComponentTexts loadStep(MainState& state);

}  // namespace zozi
