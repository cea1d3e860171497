// The task-hint statement, the Proceed command, the icon options and the texts of the boxes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

#include "color_panel.h"
#include "hint.h"

namespace zozi {

void PrintTo(const Notice& n, std::ostream* os) {
  *os << "{" << testing::PrintToString(n.title) << ", " << testing::PrintToString(n.text)
      << ", icon " << static_cast<int>(n.icon) << ", buttons " << static_cast<int>(n.buttons)
      << ", beep " << n.beepFirst << "}";
}

namespace {

const std::string kTail = "\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ";

HintSettings settingsWith(TextMode mode, std::string message) {
  HintSettings s;
  s.textMode = mode;
  s.texts.message = std::move(message);
  s.texts.red = s.texts.green = s.texts.blue = s.texts.alpha = "1.0";
  s.iconName = "taskNew";
  return s;
}

std::string composed(const HintSettings& s) {
  const auto statement = composeHintStatement(s);
  if (!statement) {
    ADD_FAILURE() << "no statement composed";
    return {};
  }
  return *statement;
}

auto contents(const HintSettings& s) {
  const HintTexts& t = s.texts;
  return std::make_tuple(static_cast<int>(s.textMode), t.message, t.red, t.green, t.blue, t.alpha,
                         s.iconName);
}

TEST(ComposeHintStatement, BothFormsMatchTheDocumentedExamples) {
  EXPECT_EQ(
      composed(settingsWith(TextMode::Localized, "Write your text here ...")),
      "taskHint [localize \"Write your text here ...\", [1.0, 1.0, 1.0, 1.0], \"taskNew\"]; ");

  HintSettings s = settingsWith(TextMode::Standard, "Write your text here ...");
  s.texts.red = "0.0";
  s.texts.blue = "0.0";
  selectIcon(s, IconOption::Done);
  EXPECT_EQ(composed(s),
            "taskHint [\"Write your text here ...\", [0.0, 1.0, 0.0, 1.0], \"taskDone\"]; ");
}

// Components are copied in red, green, blue, alpha order and never judged; empty ones leave
// an empty slot.
TEST(ComposeHintStatement, ComponentsFillTheirSlotsAsTheyAre) {
  const std::array<std::array<const char*, 5>, 5> cases = {{
      {"r", "12.5", "-3", "0..1", "[r, 12.5, -3, 0..1]"},
      {"", "1.0", "1.0", "1.0", "[, 1.0, 1.0, 1.0]"},
      {"1.0", "", "1.0", "1.0", "[1.0, , 1.0, 1.0]"},
      {"1.0", "1.0", "", "1.0", "[1.0, 1.0, , 1.0]"},
      {"1.0", "1.0", "1.0", "", "[1.0, 1.0, 1.0, ]"},
  }};
  for (const auto& c : cases) {
    HintSettings s = settingsWith(TextMode::Localized, "k");
    HintTexts& t = s.texts;
    std::tie(t.red, t.green, t.blue, t.alpha) = std::tie(c[0], c[1], c[2], c[3]);
    EXPECT_EQ(composed(s), std::string("taskHint [localize \"k\", ") + c[4] + ", \"taskNew\"]; ");
  }
}

TEST(ComposeHintStatement, SwitchingTheTextModeChangesOnlyTheOpening) {
  HintSettings s = settingsWith(TextMode::Localized, "STR_hint \"x\"");
  const std::string localized = composed(s);
  s.textMode = TextMode::Standard;
  const std::string standard = composed(s);
  const std::string head = "taskHint";
  ASSERT_EQ(localized.substr(0, 20), head + " [localize \"");
  ASSERT_EQ(standard.substr(0, 11), head + " [\"");
  EXPECT_EQ(localized.substr(20), standard.substr(11));
}

TEST(ComposeHintStatement, UnknownTextModeComposesNothingAndProceedYieldsNothing) {
  for (std::uint16_t raw : std::initializer_list<std::uint16_t>{0, 3, 4, 0x100, 0xFFFF}) {
    SCOPED_TRACE(raw);
    HintSettings s = settingsWith(static_cast<TextMode>(raw), "msg");
    EXPECT_FALSE(composeHintStatement(s).has_value());
    const auto outcome = runProceed(s, ProceedTrigger::Button, {"msg", "1", "1", "1", "1"});
    EXPECT_FALSE(outcome.statement.has_value());
    EXPECT_FALSE(outcome.refusal.has_value());
    EXPECT_EQ(static_cast<std::uint16_t>(s.textMode), raw);
    // The empty message is still refused first.
    EXPECT_TRUE(runProceed(s, ProceedTrigger::Menu, {}).refusal.has_value());
  }
}

// The message is the user's text (or a string-table key) and goes in exactly as typed.
class MessageCopy : public testing::TestWithParam<std::string> {};

TEST_P(MessageCopy, IsCopiedByteForByteInBothModes) {
  const std::string& message = GetParam();
  EXPECT_EQ(composed(settingsWith(TextMode::Localized, message)),
            "taskHint [localize \"" + message + kTail);
  EXPECT_EQ(composed(settingsWith(TextMode::Standard, message)), "taskHint [\"" + message + kTail);
}

INSTANTIATE_TEST_SUITE_P(Messages, MessageCopy,
                         testing::Values(" ", "   ", "say \"hi\"", "\"]; hint [\"", "[1, 2], [3]",
                                         "a\tb", "line\r\nbreak", "back\\slash",
                                         std::string("nul\0inside", 10),
                                         "Příliš žluťoučký kůň úpěl ďábelské ódy",
                                         "Съешь же ещё этих булок", "日本語のテキスト",
                                         "\xF0\x9F\x98\x80 emoji", "\xFF\xFE not UTF-8"));

TEST(ProceedCommand, OneMebibyteMessageIsCopiedWhole) {
  std::string message;
  const std::string chunk = "ab \"[]\t\xC5\x99";  // 10 bytes
  while (message.size() < (1u << 20)) message += chunk;
  message.resize(1u << 20);
  HintSettings s = settingsWith(TextMode::Standard, "");
  const std::string statement =
      runProceed(s, ProceedTrigger::Button, {message, "1.0", "1.0", "1.0", "1.0"})
          .statement.value_or("");
  EXPECT_EQ(s.texts.message, message);
  ASSERT_EQ(statement.size(), 11 + message.size() + kTail.size());
  EXPECT_TRUE(statement.compare(11, message.size(), message) == 0);
  EXPECT_EQ(statement.substr(11 + message.size()), kTail);
}

class IconOptions : public testing::TestWithParam<std::pair<IconOption, const char*>> {};

TEST_P(IconOptions, WriteTheirNameAndNothingElse) {
  const auto [option, name] = GetParam();
  EXPECT_EQ(iconNameFor(option), name);
  HintSettings s = settingsWith(TextMode::Standard, "m");
  s.texts.red = "0.75";
  s.iconName = "taskCurrent-previous";
  HintSettings expected = s;
  expected.iconName = name;
  selectIcon(s, option);
  EXPECT_EQ(contents(s), contents(expected));
  EXPECT_EQ(composed(s),
            std::string("taskHint [\"m\", [0.75, 1.0, 1.0, 1.0], \"") + name + "\"]; ");
}

INSTANTIATE_TEST_SUITE_P(AllFive, IconOptions,
                         testing::Values(std::pair{IconOption::New, "taskNew"},
                                         std::pair{IconOption::Current, "taskCurrent"},
                                         std::pair{IconOption::Done, "taskDone"},
                                         std::pair{IconOption::Failed, "taskFailed"},
                                         std::pair{IconOption::Canceled, "taskFailed"}));

class ProceedRefusal : public testing::TestWithParam<std::pair<ProceedTrigger, const char*>> {};

TEST_P(ProceedRefusal, EmptyMessageIsRefusedWithBeepAndWarningAndChangesNothing) {
  const auto [trigger, secondLine] = GetParam();
  HintSettings s = settingsWith(TextMode::Standard, "earlier message");
  s.texts.green = "0.5";
  selectIcon(s, IconOption::Done);
  const auto before = contents(s);

  const auto outcome = runProceed(s, trigger, {"", "0.0", "0.0", "0.0", "0.0"});
  EXPECT_FALSE(outcome.statement.has_value());
  ASSERT_TRUE(outcome.refusal.has_value());
  EXPECT_EQ(*outcome.refusal,
            (Notice{"Corvel Editor Zozi",
                    std::string("Write some text for the Task Hint.\r\n") + secondLine,
                    NoticeIcon::Exclamation, NoticeButtons::Ok, true}));
  EXPECT_EQ(*outcome.refusal, emptyMessageWarning(trigger));
  EXPECT_EQ(contents(s), before);
}

INSTANTIATE_TEST_SUITE_P(
    BothTriggers, ProceedRefusal,
    testing::Values(std::pair{ProceedTrigger::Button, "Message can't be empty!"},
                    std::pair{ProceedTrigger::Menu, "Message text can't be empty!"}));

TEST(ProceedCommand, TakesTheFieldsIntoTheRecordAndComposesFromThem) {
  for (ProceedTrigger trigger : {ProceedTrigger::Button, ProceedTrigger::Menu}) {
    HintSettings s = settingsWith(TextMode::Standard, "stale");
    selectIcon(s, IconOption::Done);
    auto outcome = runProceed(s, trigger, {" ", "0.0", "1.0", "0.0", "1.0"});
    EXPECT_FALSE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.statement, "taskHint [\" \", [0.0, 1.0, 0.0, 1.0], \"taskDone\"]; ");
    EXPECT_EQ(contents(s), contents(HintSettings{
                               TextMode::Standard, {" ", "0.0", "1.0", "0.0", "1.0"}, "taskDone"}));

    // A second Proceed reflects only the fields at that moment.
    outcome = runProceed(s, trigger, {"second", "0.5", "", "12", "1"});
    EXPECT_EQ(outcome.statement, "taskHint [\"second\", [0.5, , 12, 1], \"taskDone\"]; ");
  }
}

// The boxes of the commands and of the key filter: exact texts, the application title, no beep.
TEST(NoticeTexts, AreExact) {
  const auto question = [](const char* text) {
    return Notice{kAppTitle, text, NoticeIcon::Question, NoticeButtons::YesNo, false};
  };
  EXPECT_EQ(clearLogQuestion(), question("Do you really want to clear the Debug log?"));
  EXPECT_EQ(exitQuestion(), question("Do you really want to quit?"));
  EXPECT_EQ(copiedNotice(), (Notice{"Corvel Editor Zozi",
                                    "Generated data were copied to the clipboard.\r\n"
                                    "Use Ctrl+V to paste this code into the your script.",
                                    NoticeIcon::Information, NoticeButtons::Ok, false}));
  EXPECT_EQ(clipboardBusyWarning(), (Notice{"Corvel Editor Zozi",
                                            "The clipboard is in use by another program.\r\n"
                                            "Nothing was copied; please try again.",
                                            NoticeIcon::Exclamation, NoticeButtons::Ok, false}));
  EXPECT_EQ(rejectedKeyWarning(),
            (Notice{"Corvel Editor Zozi", "Only numbers are allowed !\r\nValue can be from 0 to 1.",
                    NoticeIcon::Exclamation, NoticeButtons::Ok, false}));
  EXPECT_STREQ(kAppTitle, "Corvel Editor Zozi");
}

// Each way a copy ends has its own box, and each warning says only what became of the clipboard.
TEST(NoticeTexts, EachClipboardResultHasItsOwnBox) {
  const auto warning = [](const char* text) {
    return Notice{"Corvel Editor Zozi", text, NoticeIcon::Exclamation, NoticeButtons::Ok, false};
  };
  const Notice notCleared = warning(
      "The clipboard could not be cleared.\r\n"
      "Nothing was copied; the clipboard keeps what it had.");
  EXPECT_EQ(clipboardNotClearedWarning(), notCleared);
  EXPECT_EQ(clipboardNotice(ClipboardResult::NotCleared), notCleared);
  EXPECT_EQ(clipboardNotice(ClipboardResult::Busy),
            warning("The clipboard is in use by another program.\r\n"
                    "Nothing was copied; please try again."));
  EXPECT_EQ(clipboardNotice(ClipboardResult::Emptied),
            warning("The text could not be put on the clipboard.\r\n"
                    "The clipboard is now empty; please try again."));
  EXPECT_EQ(clipboardNotice(ClipboardResult::NoMemory),
            warning("There is not enough memory to copy the text.\r\n"
                    "Nothing was copied; the clipboard keeps what it had."));
  EXPECT_EQ(clipboardNotice(ClipboardResult::Copied).text,
            "Generated data were copied to the clipboard.\r\n"
            "Use Ctrl+V to paste this code into the your script.");
}

}  // namespace
}  // namespace zozi
