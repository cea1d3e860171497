// Conversion between the window system's UTF-16 and the core's UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "utf.h"

namespace zozi {
namespace {

// Converts from buffers of exactly the given size, so that a read past the end is caught.
std::u16string fromExactBuffer(std::string_view bytes) {
  const auto buffer = std::make_unique<char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  return toUtf16(std::string_view(buffer.get(), bytes.size()));
}
std::string fromExactBuffer(std::u16string_view units) {
  const auto buffer = std::make_unique<char16_t[]>(units.size());
  std::copy(units.begin(), units.end(), buffer.get());
  return toUtf8(std::u16string_view(buffer.get(), units.size()));
}

struct TextPair {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

class UtfRoundTrip : public testing::TestWithParam<TextPair> {};

TEST_P(UtfRoundTrip, ConvertsBothWaysAndBack) {
  const TextPair& p = GetParam();
  EXPECT_EQ(toUtf8(p.utf16), p.utf8);
  EXPECT_TRUE(toUtf16(p.utf8) == p.utf16);
  EXPECT_TRUE(toUtf16(toUtf8(p.utf16)) == p.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UtfRoundTrip,
    testing::Values(
        TextPair{"Empty", u"", ""}, TextPair{"Ascii", u"taskHint [\"x\"]; ", "taskHint [\"x\"]; "},
        TextPair{
            "Czech", u"P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD k\u016F\u0148",
            "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88"},
        TextPair{"Cyrillic", u"\u041F\u0440\u0438\u0432\u0435\u0442",
                 "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},
        TextPair{"Japanese", u"\u65E5\u672C\u8A9E", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
        TextPair{"SurrogatePair", u"a\U0001F600b",
                 "a\xF0\x9F\x98\x80"
                 "b"},
        TextPair{"HighestCodePoint", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        TextPair{"LoneHigh", std::u16string{u'x', char16_t(0xD800), u'y'}, "x\xED\xA0\x80y"},
        TextPair{"LoneLow", std::u16string{char16_t(0xDC00), u'y'}, "\xED\xB0\x80y"},
        TextPair{"HighAtEnd", std::u16string{u'x', char16_t(0xDBFF)}, "x\xED\xAF\xBF"},
        TextPair{"LowThenHigh", std::u16string{char16_t(0xDFFF), char16_t(0xD800)},
                 "\xED\xBF\xBF\xED\xA0\x80"},
        TextPair{"NulInside", std::u16string(u"a\0b", 3), std::string("a\0b", 3)}),
    [](const testing::TestParamInfo<TextPair>& pair) { return std::string(pair.param.name); });

TEST(Utf, EveryUnitSurvivesAloneAndBesideAwkwardNeighbours) {
  const char16_t neighbours[] = {u'A', 0x7FF, 0x800, 0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFFFF};
  for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
    const std::u16string alone(1, static_cast<char16_t>(u));
    const std::string utf8 = fromExactBuffer(alone);
    const std::size_t expectedBytes = u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
    if (utf8.size() != expectedBytes || toUtf16(utf8) != alone) {
      ADD_FAILURE() << "unit " << u << " does not survive alone";
      continue;
    }
    for (char16_t n : neighbours) {
      for (const std::u16string& text : {std::u16string{static_cast<char16_t>(u), n},
                                         std::u16string{n, static_cast<char16_t>(u)}}) {
        if (fromExactBuffer(fromExactBuffer(text)) != text)
          ADD_FAILURE() << "unit " << u << " beside " << static_cast<int>(n) << " is lost";
      }
    }
  }
}

// Anything between 'a' and 'b' that is not valid UTF-8 comes out as replacement characters only;
// the neighbours survive and no overlong form sneaks in an ASCII character.
TEST(Utf, InvalidBytesBecomeReplacementCharacters) {
  // clang-format off
  const std::string_view bad[] = {
      "\x80", "\xBF", "\xFE", "\xFF", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
      "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xC3", "\xE2\x82",
      "\xF0\x9F\x98", "\xC3\xC3", "\xED\xA0", "\xE2\x28\xA1"};
  // clang-format on
  for (std::string_view b : bad) {
    SCOPED_TRACE(testing::PrintToString(std::string(b)));
    std::string input = "a";
    input.append(b).append("b");
    const std::u16string out = fromExactBuffer(input);
    ASSERT_GE(out.size(), 3u);
    EXPECT_EQ(out.front(), u'a');
    EXPECT_EQ(out.back(), u'b');
    for (std::size_t i = 1; i + 1 < out.size(); ++i) {
      EXPECT_TRUE(out[i] == 0xFFFD || (out[i] == u'(' && b == "\xE2\x28\xA1")) << int(out[i]);
    }
    // Cut short at the very end of the buffer, too.
    const std::u16string cut = fromExactBuffer(b);
    ASSERT_FALSE(cut.empty());
    for (char16_t u : cut) EXPECT_TRUE(u == 0xFFFD || u == u'(') << int(u);
  }
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    EXPECT_TRUE(fromExactBuffer(std::string(1, static_cast<char>(byte))) == u"\uFFFD") << byte;
  }
}

// Every two-byte input converts without fault and yields no more units than bytes.
TEST(Utf, AllTwoByteInputsConvertSafely) {
  for (int first = 0; first <= 0xFF; ++first) {
    for (int second = 0; second <= 0xFF; ++second) {
      const char bytes[] = {static_cast<char>(first), static_cast<char>(second)};
      const std::u16string out = fromExactBuffer(std::string_view(bytes, 2));
      if (out.empty() || out.size() > 2) ADD_FAILURE() << first << " " << second;
    }
  }
}

}  // namespace
}  // namespace zozi
