// Reads its input as a sequence of user actions on the main window's state, plays them through
// the core's rules as the window layer would, and checks after every action what must always
// hold. The statement and the field edits are rebuilt here independently of the core.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "color_panel.h"
#include "hint.h"
#include "main_state.h"
#include "text_mode.h"
#include "utf.h"

namespace {

using namespace zozi;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

#define CHECK(condition)                \
  do {                                  \
    if (!(condition)) fail(#condition); \
  } while (false)

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint16_t unit() {
    const std::uint8_t low = byte();
    return static_cast<std::uint16_t>(low | (byte() << 8));
  }
  std::string bytes() {
    const std::size_t n = byte();
    std::string out;
    while (out.size() < n && !empty()) out.push_back(static_cast<char>(byte()));
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

const char* const kIconNames[5] = {"taskNew", "taskCurrent", "taskDone", "taskFailed",
                                   "taskFailed"};
const char* const kPresetRows[kPresetCount][kComponentCount] = {{"1.0", "1.0", "1.0", "1.0"},
                                                                {"0.0", "1.0", "0.0", "1.0"},
                                                                {"1.0", "0.0", "0.0", "1.0"},
                                                                {"0.0", "0.0", "1.0", "1.0"},
                                                                {"0.75", "0.75", "0.75", "1.0"}};

// What the player knows apart from the core: the window's fields and the choices made.
struct Expected {
  std::string entry = "Write your text here ...";  // the message field
  std::string fields[kComponentCount] = {"1.0", "1.0", "1.0", "1.0"};
  std::string iconName = "taskNew";
};

std::string composeHere(bool localized, const std::string& message, const std::string (&c)[4],
                        const std::string& icon) {
  std::string s = "taskHint";
  s += localized ? " [localize \"" : " [\"";
  s += message;
  s += "\", [";
  s += c[0];
  s += ", ";
  s += c[1];
  s += ", ";
  s += c[2];
  s += ", ";
  s += c[3];
  s += "], \"";
  s += icon;
  s += "\"]; ";
  return s;
}

// A keystroke the field takes, applied as an edit control would with the caret at the end.
void edit(std::string& text, std::uint16_t code) {
  if (code == 8) {
    std::u16string units = toUtf16(text);
    if (!units.empty()) units.pop_back();
    text = toUtf8(units);
  } else {
    text.push_back(static_cast<char>(code));
  }
}

void checkInvariants(const MainState& s, const Expected& e) {
  const TextModePair& pair = s.textModePair;
  CHECK(pair.localizedValue + pair.standardValue == 1);
  CHECK(pair.localizedValue <= 1 && pair.standardValue <= 1);
  CHECK(s.settings.textMode == (pair.localizedValue ? TextMode::Localized : TextMode::Standard));

  const ColorPanel& c = s.colors;
  CHECK(c.defaultValue + c.manualValue == 1);
  CHECK(c.defaultValue <= 1 && c.manualValue <= 1);
  const bool manual = c.manualValue == 1;
  for (std::size_t i = 0; i < kComponentCount; ++i) {
    CHECK(c.fields[i].enabled == manual);
    CHECK((c.fields[i].background == FieldBackground::Window) == manual);
  }
  for (bool enabled : c.optionEnabled) CHECK(enabled == !manual);
  CHECK(s.settings.iconName == e.iconName);
}

void proceed(MainState& s, Expected& e, ProceedTrigger trigger) {
  const HintSettings before = s.settings;
  const ProceedOutcome out = runProceed(
      s.settings, trigger, {e.entry, e.fields[0], e.fields[1], e.fields[2], e.fields[3]});
  const HintTexts& taken = s.settings.texts;
  if (e.entry.empty()) {
    CHECK(out.refusal && !out.statement);
    const char* second = trigger == ProceedTrigger::Button ? "Message can't be empty!"
                                                           : "Message text can't be empty!";
    CHECK(out.refusal->text == std::string("Write some text for the Task Hint.\r\n") + second);
    CHECK(out.refusal->beepFirst);
    CHECK(taken.message == before.texts.message && taken.red == before.texts.red &&
          taken.green == before.texts.green && taken.blue == before.texts.blue &&
          taken.alpha == before.texts.alpha && s.settings.textMode == before.textMode &&
          s.settings.iconName == before.iconName);
    return;
  }
  CHECK(!out.refusal && out.statement);
  const bool localized = s.textModePair.localizedValue == 1;
  CHECK(*out.statement == composeHere(localized, e.entry, e.fields, e.iconName));
  CHECK(*out.statement == composeHintStatement(s.settings));
  CHECK(taken.message == e.entry && taken.red == e.fields[0] && taken.green == e.fields[1] &&
        taken.blue == e.fields[2] && taken.alpha == e.fields[3]);
}

void roundTrip(Input& in) {
  std::u16string units(in.byte(), u'\0');
  for (char16_t& u : units) u = in.unit();
  CHECK(toUtf16(toUtf8(units)) == units);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  MainState s;
  const ComponentTexts loaded = loadStep(s);
  Expected e;
  for (std::size_t i = 0; i < kComponentCount; ++i) CHECK(loaded[i] == e.fields[i]);
  checkInvariants(s, e);

  while (!in.empty()) {
    const std::uint8_t action = in.byte();
    const std::size_t which = in.byte();
    switch (action % 12) {
      case 0:  // a click on "Localized text"
        s.textModePair.localizedValue ^= 1;
        localizedTextClick(s.textModePair, s.settings);
        break;
      case 1:  // a click on "Standard text"
        s.textModePair.standardValue ^= 1;
        standardTextClick(s.textModePair, s.settings);
        break;
      case 2:  // a click on "Default"
        s.colors.defaultValue ^= 1;
        checkDefaultClick(s.colors);
        break;
      case 3:  // a click on "Manual"
        s.colors.manualValue ^= 1;
        checkManualClick(s.colors);
        break;
      case 4: {  // a colour option, clickable only while enabled
        const auto preset = static_cast<ColorPreset>(which % kPresetCount);
        if (!s.colors.optionEnabled[static_cast<std::size_t>(preset)]) break;
        const ComponentTexts& texts = applyColorPreset(preset);
        for (std::size_t i = 0; i < kComponentCount; ++i) {
          e.fields[i] = kPresetRows[which % kPresetCount][i];
          CHECK(texts[i] == e.fields[i]);
        }
        break;
      }
      case 5:  // an icon option
        selectIcon(s.settings, static_cast<IconOption>(which % 5));
        e.iconName = kIconNames[which % 5];
        break;
      case 6: {  // a typed character in a component field, only while it is enabled
        const std::uint16_t code = in.unit();
        const ComponentField& field = s.colors.fields[which % kComponentCount];
        if (!field.enabled) break;
        const bool accepted = code == 8 || code == 46 || (code >= 48 && code <= 57);
        const KeyVerdict verdict = filterComponentKey(code);
        CHECK((verdict == KeyVerdict::Accepted) == accepted);
        if (!accepted) {
          CHECK(rejectedKeyWarning().text ==
                "Only numbers are allowed !\r\nValue can be from 0 to 1.");
          break;
        }
        edit(e.fields[which % kComponentCount], code);
        break;
      }
      case 7:
        proceed(s, e, (which & 1) ? ProceedTrigger::Menu : ProceedTrigger::Button);
        break;
      case 8:  // the message field takes any text
        e.entry = in.bytes();
        break;
      case 9:  // a pasted component text (no key filter), only while the field is enabled
        if (s.colors.fields[which % kComponentCount].enabled) {
          e.fields[which % kComponentCount] = in.bytes();
        }
        break;
      case 10:  // Proceed on a message given right here
        e.entry = in.bytes();
        proceed(s, e, (which & 1) ? ProceedTrigger::Menu : ProceedTrigger::Button);
        break;
      case 11:
        roundTrip(in);
        break;
    }
    checkInvariants(s, e);
  }
  return 0;
}
