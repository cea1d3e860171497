#include "utf.h"

namespace zozi {

namespace {

void appendCodePoint(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
      const char32_t cp =
          0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
      appendCodePoint(out, cp);
      ++i;
    } else {
      appendCodePoint(out, u);  // lone surrogates too
    }
  }
  return out;
}

std::u16string toUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  while (i < text.size()) {
    const unsigned char b0 = byte(i);
    char32_t cp = 0xFFFD;
    std::size_t length = 1;
    if (b0 < 0x80) {
      cp = b0;
    } else if (b0 >= 0xC2 && b0 < 0xE0 && i + 1 < text.size() && isContinuation(byte(i + 1))) {
      cp = (char32_t(b0 & 0x1F) << 6) | (byte(i + 1) & 0x3F);
      length = 2;
    } else if (b0 >= 0xE0 && b0 < 0xF0 && i + 2 < text.size() && isContinuation(byte(i + 1)) &&
               isContinuation(byte(i + 2))) {
      const char32_t v =
          (char32_t(b0 & 0x0F) << 12) | (char32_t(byte(i + 1) & 0x3F) << 6) | (byte(i + 2) & 0x3F);
      if (v >= 0x800) {
        cp = v;
        length = 3;
      }
    } else if (b0 >= 0xF0 && b0 < 0xF5 && i + 3 < text.size() && isContinuation(byte(i + 1)) &&
               isContinuation(byte(i + 2)) && isContinuation(byte(i + 3))) {
      const char32_t v = (char32_t(b0 & 0x07) << 18) | (char32_t(byte(i + 1) & 0x3F) << 12) |
                         (char32_t(byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
      if (v >= 0x10000 && v <= 0x10FFFF) {
        cp = v;
        length = 4;
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += length;
  }
  return out;
}

}  // namespace zozi
