// The user's choices for one task hint and the statement built from them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "notice.h"

namespace zozi {

// Held as a 16-bit integer; a value other than 1 or 2 composes nothing.
enum class TextMode : std::uint16_t { Localized = 1, Standard = 2 };

// The five icon options of the "Icon settings" frame, in layout order.
enum class IconOption { New, Current, Done, Failed, Canceled };

// The message and the four component texts, as the window's fields hold them (UTF-8), copied
// into the statement byte for byte.
struct HintTexts {
  std::string message;
  std::string red;
  std::string green;
  std::string blue;
  std::string alpha;
};

// The text mode and icon name live here for the window's whole life; the message and the four
// components are a snapshot that Proceed takes from the fields, which own them.
struct HintSettings {
  TextMode textMode = TextMode::Localized;
  HintTexts texts;
  std::string iconName = "taskNew";
};

// The icon name that an option writes; "Canceled" has no name of its own.
std::string_view iconNameFor(IconOption option);

// Writes the option's icon name into the record and nothing else.
void selectIcon(HintSettings& settings, IconOption option);

// The statement for the record as it stands, or nothing for an unknown text mode.
std::optional<std::string> composeHintStatement(const HintSettings& settings);

enum class ProceedTrigger { Button, Menu };

// Either a statement for the output box, or a refusal to show; neither when the text mode is
// unknown (the output box then stays as it is).
struct ProceedOutcome {
  std::optional<std::string> statement;
  std::optional<Notice> refusal;
};

// The warning for an empty message; the two triggers differ in the second line only.
Notice emptyMessageWarning(ProceedTrigger trigger);

// Proceed, given what the fields hold when it runs: refuses an empty message and leaves the
// record untouched; otherwise takes the texts into the record and composes the statement.
ProceedOutcome runProceed(HintSettings& settings, ProceedTrigger trigger, HintTexts fields);

}  // namespace zozi
