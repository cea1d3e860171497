#!/usr/bin/env bash
# scripts/clang-windows-check.sh fails on each kind of code Visual Studio rejects and passes clean
# code: small sources, checked together in one run of the check, with the flags the windows
# build gives ui/main_window.cpp. Each faulty source must be refused by its own finding (its file,
# its warning as an error), and the clean one must have none. That the check passes a clean tree
# the test command shows by running it on the project first.
#
#   bash tests/clang_windows_check_test.sh [BUILD_DIR]   (a configured windows build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/windows}"
work=$(mktemp -d "$root/build/clang-check-test.XXXXXX")
work=$(realpath "$work")
trap 'rm -rf "$work"' EXIT

names=() warnings=()
plant() {  # NAME WARNING (none for the clean source) SOURCE-TEXT
  names+=("$1")
  warnings+=("$2")
  printf '%s\n' "$3" >"$work/$1.cpp"
}

plant clean none '#include <windows.h>
#include <string>
#include <thread>
DWORD length(const std::wstring& text) { return static_cast<DWORD>(text.size()); }
int route(int id) { return [](int clicked) { return clicked + 1; }(id); }'

plant lambda_parameter_hides_parameter -Wshadow-uncaptured-local '
int route(int id) { return [](int id) { return id + 1; }(id); }'

plant size_into_dword -Wshorten-64-to-32 '#include <windows.h>
#include <string>
DWORD length(const std::wstring& text) { return text.size(); }'

plant int_into_word -Wimplicit-int-conversion '#include <windows.h>
WORD low(int value) { return value; }'

plant local_hides_local -Wshadow '
int sum(int n) { int total = 0; for (int i = 0; i < n; ++i) { int total = i; (void)total; } return total; }'

# The sources in one compile_commands.json, each with main_window.cpp's command.
python3 - "$build/compile_commands.json" "$root/ui/main_window.cpp" "$work" "${names[@]}" <<'PY'
import json, sys
commands, model, folder, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
entry = next(e for e in json.load(open(commands)) if e["file"] == model)
command = entry["command"] if "command" in entry else " ".join(entry["arguments"])
entry.pop("arguments", None)
planted = [dict(entry, file=f"{folder}/{name}.cpp",
                command=command.replace(model, f"{folder}/{name}.cpp")) for name in names]
json.dump(planted, open(f"{folder}/compile_commands.json", "w"))
PY

failures=0
log="$work/check.log"
# Every source checked, none taken as clean from an earlier run.
if ZOZI_CLANG_CHECK_CACHE="$work/clean" bash "$root/scripts/clang-windows-check.sh" "$work" \
  >"$log" 2>&1; then
  echo "FAIL the check passed sources with faults"
  failures=$((failures + 1))
fi
for i in "${!names[@]}"; do
  name=${names[$i]} warning=${warnings[$i]}
  # Clang's findings, one a line: FILE:LINE:COLUMN: error: TEXT [-Werror,WARNING]
  findings=$(grep -E "^$work/$name\.cpp:[0-9]+:[0-9]+: (error|warning):" "$log" || true)
  if [ "$warning" = none ]; then
    if [ -z "$findings" ]; then
      echo "ok   $name"
    else
      echo "FAIL $name: the check refused clean code:"
      echo "$findings"
      failures=$((failures + 1))
    fi
  elif grep -q -F -- "[-Werror,$warning]" <<<"$findings"; then
    echo "ok   $name ($warning)"
  else
    echo "FAIL $name: no $warning error in $name.cpp"
    failures=$((failures + 1))
  fi
done

if ((failures)); then
  echo "The check's output:"
  cat "$log"
  echo "clang Windows check: $failures case(s) failed"
  exit 1
fi
echo "clang Windows check: every case as expected"
