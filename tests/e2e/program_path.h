// Where the built program lies, seen from a test executable beside it in the build tree.
#pragma once

#include <windows.h>

#include <string>

namespace zozi::test {

inline std::wstring programPath() {
  wchar_t path[MAX_PATH]{};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"..\\ui\\CorvelEditorZozi.exe";
}

}  // namespace zozi::test
