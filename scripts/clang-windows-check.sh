#!/usr/bin/env bash
# Compiles the project's Windows sources a second time, syntax only, with clang for the same
# target and against the same MinGW-w64 headers as the windows build, with the warnings that
# match what Visual Studio rejects at /W4 /WX as errors: names that hide others (lambda
# parameters included), 64-to-32-bit and other narrowing integer conversions, deprecated
# declarations. Then looks for the C runtime calls that Visual Studio deprecates (C4996), which
# the MinGW-w64 headers do not mark (their own switch for it, __MINGW_MSVC_COMPAT_WARNINGS, marks
# memcpy as well, which Visual Studio accepts).
#
#   bash scripts/clang-windows-check.sh [BUILD_DIR]
#
# BUILD_DIR (build/windows by default) is a configured windows build: its compile_commands.json
# gives each file's defines, include folders and language standard. GoogleTest's own sources are
# not checked. Exits with 1 on any finding.
#
# A file found clean is remembered, by a hash of the compiler's version, the command and the file
# preprocessed with its macro definitions (-E -dD): what clang checks, with the clone's folder
# taken out, so that every clone on the machine shares what one has found. The next run
# preprocesses each file (a fraction of the check's time) and checks again only those whose hash
# it has not seen clean; a file with findings is checked on every run. The record is in
# ${XDG_CACHE_HOME:-~/.cache}/corvel-editor-zozi/clang-check-clean/ (ZOZI_CLANG_CHECK_CACHE
# elsewhere); what has not been seen for 30 days is forgotten.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/windows}"
commands="$build/compile_commands.json"
if [ ! -f "$commands" ]; then
  echo "no $commands: configure the windows preset first (cmake --preset windows)" >&2
  exit 2
fi

# The C++ headers of the posix g++ the windows build uses (its threads), then the MinGW-w64 C
# headers after clang's own (clang brings its own compiler headers in place of GCC's).
gxx=x86_64-w64-mingw32-g++-posix
mapfile -t searched < <("$gxx" -v -E -x c++ /dev/null 2>&1 >/dev/null |
  sed -n '/^#include <...> search starts here:/,/^End of search list/{s/^ //p}')
headers=()
for dir in "${searched[@]}"; do
  dir=$(realpath -m "$dir")
  case "$dir" in
    */include/c++*) headers+=(-isystem "$dir") ;;
    */x86_64-w64-mingw32/include) headers+=(-idirafter "$dir") ;;
  esac
done
if ((${#headers[@]} < 4)); then
  echo "$gxx named no C++ and MinGW-w64 header folders: ${searched[*]}" >&2
  exit 2
fi

clean_dir="${ZOZI_CLANG_CHECK_CACHE:-${XDG_CACHE_HOME:-${HOME:-$(echo ~)}/.cache}/corvel-editor-zozi/clang-check-clean}"
mkdir -p "$clean_dir"
find "$clean_dir" -type f -mtime +30 -delete

status=0
python3 - "$commands" "$root" "$(nproc)" "$clean_dir" "${headers[@]}" <<'PY' || status=1
import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys

commands, root, jobs, clean_dir = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
headers = sys.argv[5:]
version = subprocess.run(["clang++", "--version"], capture_output=True, text=True,
                         check=True).stdout
warnings = ["-Werror", "-Wall", "-Wextra", "-Wshadow-all", "-Wshorten-64-to-32",
            "-Wimplicit-int-conversion", "-Wdeprecated"]
base = ["clang++", "--target=x86_64-w64-mingw32", "-fsyntax-only", "-nostdinc++", "-nostdlibinc",
        *headers, *warnings]


def arguments(entry):
    words = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    expanded = []
    for word in words[1:]:
        # Include folders come in response files (@file, relative to the entry's folder).
        if word.startswith("@"):
            with open(os.path.join(entry["directory"], word[1:])) as rsp:
                expanded += shlex.split(rsp.read())
        else:
            expanded.append(word)
    kept, i = [], 0
    while i < len(expanded):
        word = expanded[i]
        if word in ("-I", "-D", "-isystem", "-include"):
            kept += [word, expanded[i + 1]]
            i += 2
            continue
        if word.startswith(("-I", "-D", "-std=", "-isystem")):
            kept.append(word)
        i += 1
    return kept


def check(entry):
    source = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    command = base + arguments(entry) + [source]
    # What the check sees: the same command, preprocessed, macro definitions kept.
    preprocessed = subprocess.run([word for word in command if word != "-fsyntax-only"] +
                                  ["-E", "-dD", "-o", "-"], cwd=entry["directory"],
                                  capture_output=True)
    seen = None
    if preprocessed.returncode == 0:
        key = hashlib.sha256("\0".join([version, entry["directory"], *command])
                             .replace(root, "<clone>").encode())
        key.update(preprocessed.stdout.replace(root.encode(), b"<clone>"))
        seen = os.path.join(clean_dir, key.hexdigest())
        if os.path.exists(seen):
            os.utime(seen)
            return source, 0, ""
    run = subprocess.run(command, cwd=entry["directory"], capture_output=True, text=True)
    if run.returncode == 0 and not run.stdout and not run.stderr and seen:
        open(seen, "w").close()
    return source, run.returncode, run.stdout + run.stderr


with open(commands) as f:
    entries = json.load(f)
# The project's own sources only: GoogleTest's (outside the tree) are not ours to fail on.
ours = [e for e in entries
        if os.path.realpath(os.path.join(e["directory"], e["file"])).startswith(root + os.sep)]
if not ours:
    print(f"no source of {root} in {commands}", file=sys.stderr)
    sys.exit(2)
failed = 0
with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
    for source, code, output in pool.map(check, ours):
        if code != 0:
            failed += 1
            sys.stdout.write(output)
print(f"clang ({' '.join(warnings[1:])}): {len(ours) - failed} of {len(ours)} files clean")
sys.exit(1 if failed else 0)
PY

# The C runtime calls Visual Studio deprecates (C4996), the "unsafe" ones and the POSIX names;
# the Windows calls or the bounded standard ones stand in for them.
deprecated='strcpy|strcat|strncpy|strncat|wcscpy|wcscat|wcsncpy|wcsncat|sprintf|vsprintf'
deprecated+='|strtok|wcstok|strerror|localtime|gmtime|ctime|asctime|tmpnam|mbstowcs|wcstombs'
deprecated+='|sscanf|swscanf|fscanf|scanf|getenv|_wgetenv|fopen|_wfopen|freopen|_snprintf'
deprecated+='|strdup|wcsdup|itoa|ltoa|stricmp|strnicmp|wcsicmp|unlink|fileno|getcwd|chdir|putenv'
cd "$root"
if git ls-files -z -- 'core/*' 'ui/*' 'tests/*' 'bench/*' | grep -z -E '\.(cpp|h)$' |
  xargs -0 grep -n -E "(^|[^_[:alnum:]])(std::)?($deprecated)[[:space:]]*\(" ; then
  echo "C runtime calls that Visual Studio deprecates (C4996), above" >&2
  status=1
fi
exit $status
