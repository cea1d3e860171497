#include "hint.h"

#include <array>
#include <utility>

namespace zozi {

std::string_view iconNameFor(IconOption option) {
  switch (option) {
    case IconOption::New:
      return "taskNew";
    case IconOption::Current:
      return "taskCurrent";
    case IconOption::Done:
      return "taskDone";
    case IconOption::Failed:
    case IconOption::Canceled:
      return "taskFailed";
  }
  return "taskNew";
}

void selectIcon(HintSettings& settings, IconOption option) {
  settings.iconName = std::string(iconNameFor(option));
}

std::optional<std::string> composeHintStatement(const HintSettings& s) {
  std::string_view opening;
  switch (s.textMode) {
    case TextMode::Localized:
      opening = " [localize \"";
      break;
    case TextMode::Standard:
      opening = " [\"";
      break;
    default:
      return std::nullopt;
  }
  const HintTexts& t = s.texts;
  const std::array<std::string_view, 14> pieces = {"taskHint", opening, t.message,  "\", [", t.red,
                                                   ", ",       t.green, ", ",       t.blue,  ", ",
                                                   t.alpha,    "], \"", s.iconName, "\"]; "};
  // One allocation of the final size, however long the message is.
  std::size_t size = 0;
  for (auto piece : pieces) size += piece.size();
  std::string statement;
  statement.reserve(size);
  for (auto piece : pieces) statement.append(piece);
  return statement;
}

Notice emptyMessageWarning(ProceedTrigger trigger) {
  const char* second = trigger == ProceedTrigger::Button ? "Message can't be empty!"
                                                         : "Message text can't be empty!";
  return Notice{kAppTitle, std::string("Write some text for the Task Hint.") + kLineBreak + second,
                NoticeIcon::Exclamation, NoticeButtons::Ok, /*beepFirst=*/true};
}

ProceedOutcome runProceed(HintSettings& settings, ProceedTrigger trigger, HintTexts fields) {
  if (fields.message.empty()) return ProceedOutcome{std::nullopt, emptyMessageWarning(trigger)};
  settings.texts = std::move(fields);
  return ProceedOutcome{composeHintStatement(settings), std::nullopt};
}

}  // namespace zozi
