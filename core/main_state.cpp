#include "main_state.h"

namespace zozi {

ComponentTexts loadStep(MainState& state) {
  state.settings.textMode = TextMode::Localized;
  state.settings.iconName = "taskNew";
  return initColorPanel(state.colors);
}

}  // namespace zozi
