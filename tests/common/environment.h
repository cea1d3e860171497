// A test's settings from its environment (the test command's ZOZI_* variables), read with the
// system's own call rather than the C runtime's.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string>

namespace zozi::test {

// The variable's text; empty when it is not set.
inline std::wstring environmentText(const wchar_t* name) {
  std::wstring value(64, L'\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) return {};
    // Too small a buffer: the length returned counts the terminating null.
    if (length >= value.size()) {
      value.resize(length);
      continue;
    }
    value.resize(length);
    return value;
  }
}

// The variable as a decimal number; the fallback when it is not set or empty.
inline unsigned long environmentNumber(const wchar_t* name, unsigned long fallback) {
  const std::wstring value = environmentText(name);
  return value.empty() ? fallback : std::wcstoul(value.c_str(), nullptr, 10);
}

}  // namespace zozi::test
