#include "main_state.h"

namespace zozi {

void loadStep(MainState& state) {
  state.settings.textMode = TextMode::Localized;
  state.settings.iconName = "taskNew";
  initColorPanel(state.colors);
}

}  // namespace zozi
