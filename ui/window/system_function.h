// Functions of the system libraries that only newer systems have, looked up by name.
#pragma once

#include <windows.h>

namespace zozi::ui {

// A function of a system library the process has loaded (user32, comctl32), looked up by name:
// nullptr on a system that lacks it. Callers keep the result.
template <typename Fn>
Fn systemFunction(const wchar_t* module, const char* name) {
  const HMODULE library = GetModuleHandleW(module);
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                 : nullptr;
}

}  // namespace zozi::ui
