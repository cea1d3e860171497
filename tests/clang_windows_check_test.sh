#!/usr/bin/env bash
# scripts/clang-windows-check.sh fails on each kind of code Visual Studio rejects and passes clean
# code: small sources, checked with the flags the windows build gives ui/main_window.cpp.
#
#   bash tests/clang_windows_check_test.sh [BUILD_DIR]   (a configured windows build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/windows}"
work=$(mktemp -d "$root/build/clang-check-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0

# One source in a build folder of its own; the check's output in $work/NAME.log.
check() {  # NAME SOURCE-TEXT
  mkdir -p "$work/$1"
  printf '%s\n' "$2" >"$work/$1/source.cpp"
  python3 - "$build/compile_commands.json" "$root/ui/main_window.cpp" "$work/$1" <<'PY'
import json, sys
commands, model, folder = sys.argv[1:]
entry = next(e for e in json.load(open(commands)) if e["file"] == model)
command = entry["command"] if "command" in entry else " ".join(entry["arguments"])
entry = dict(entry, file=f"{folder}/source.cpp", command=command.replace(model, f"{folder}/source.cpp"))
entry.pop("arguments", None)
json.dump([entry], open(f"{folder}/compile_commands.json", "w"))
PY
  bash "$root/scripts/clang-windows-check.sh" "$work/$1" >"$work/$1.log" 2>&1
}

expect_clean() {  # NAME SOURCE-TEXT
  if check "$1" "$2"; then
    echo "ok   $1"
  else
    echo "FAIL $1: the check refused clean code"
    cat "$work/$1.log"
    failures=$((failures + 1))
  fi
}

expect_refused() {  # NAME WARNING SOURCE-TEXT
  if check "$1" "$3"; then
    echo "FAIL $1: the check passed it"
    failures=$((failures + 1))
  elif grep -q -- "\[-Werror,$2\]" "$work/$1.log"; then
    echo "ok   $1 ($2)"
  else
    echo "FAIL $1: no $2 error"
    cat "$work/$1.log"
    failures=$((failures + 1))
  fi
}

expect_clean clean '#include <windows.h>
#include <string>
#include <thread>
DWORD length(const std::wstring& text) { return static_cast<DWORD>(text.size()); }
int route(int id) { return [](int clicked) { return clicked + 1; }(id); }'

expect_refused lambda_parameter_hides_parameter -Wshadow-uncaptured-local '
int route(int id) { return [](int id) { return id + 1; }(id); }'

expect_refused size_into_dword -Wshorten-64-to-32 '#include <windows.h>
#include <string>
DWORD length(const std::wstring& text) { return text.size(); }'

expect_refused int_into_word -Wimplicit-int-conversion '#include <windows.h>
WORD low(int value) { return value; }'

expect_refused local_hides_local -Wshadow '
int sum(int n) { int total = 0; for (int i = 0; i < n; ++i) { int total = i; (void)total; } return total; }'

if ((failures)); then
  echo "clang Windows check: $failures case(s) failed"
  exit 1
fi
echo "clang Windows check: every case as expected"
