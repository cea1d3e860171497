#include "wide_text.h"

#include "utf.h"

namespace zozi::ui {

std::wstring windowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::wstring widen(const std::string& utf8) {
  const std::u16string units = toUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string narrow(const std::wstring& text) {
  return toUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace zozi::ui
