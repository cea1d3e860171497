#!/usr/bin/env bash
# Builds the release from a clean build folder and writes it to dist/: the program, the help
# file, the zip, the .msi and SHA256SUMS. The same commit gives the same bytes on any Debian 12
# machine with the packages scripts/setup.sh installs, whatever the folder, the time, the time
# zone, the locale or the umask: every date is the commit's (SOURCE_DATE_EPOCH), and no build
# path reaches an artefact. Uncommitted changes are built too, but then the release is not the
# commit's, and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
# The test command, which has set up already, says so with ZOZI_SETUP_DONE=1.
if [ "${ZOZI_SETUP_DONE:-0}" != 1 ]; then ZOZI_NO_ACTIONLINT=1 bash scripts/setup.sh; fi

SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C
umask 022
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "warning: uncommitted changes: this is not the release of $(git rev-parse --short HEAD)" >&2
fi

# Compiled from the sources every time, never from a compiler cache: no launcher (CMake would take
# one from CMAKE_<LANG>_COMPILER_LAUNCHER in the environment), and a ccache that stands in for the
# compiler on the PATH passes straight through.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER CMAKE_RC_COMPILER_LAUNCHER
export CCACHE_DISABLE=1

build=build/release
rm -rf "$build" dist
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DZOZI_TESTS=OFF >/dev/null
if grep -E '^CMAKE_[A-Z]+_COMPILER_LAUNCHER:[A-Z]*=.' "$build/CMakeCache.txt"; then
  echo "release: the build would compile through the launcher above" >&2
  exit 1
fi
# Without one of these the build leaves out a file or a step that makes it the same every time.
for tool in ZOZI_CHMCMD ZOZI_PYTHON3 ZOZI_ZIP ZOZI_WIXL ZOZI_MSIBUILD ZOZI_MSIINFO ZOZI_FAKETIME; do
  if ! grep -q "^$tool:[A-Z]*=/" "$build/CMakeCache.txt"; then
    echo "release: the build found no ${tool#ZOZI_}" >&2
    exit 1
  fi
done
# Everything cpack's install step wants built (it would build the rest one job at a time).
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -B "$PWD/packages" >/dev/null)

# The version's one home is project(): the file names, the version record and the .msi agree.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
IFS=. read -r major minor patch <<<"$version"
msi_version="$major.$minor.$((10#$patch))"
fail() { echo "release: $*" >&2; exit 1; }
grep -q "^## \[$version\] - " CHANGELOG.md || fail "CHANGELOG.md has no entry for $version"
strings -el "$build/ui/CorvelEditorZozi.exe" | grep -x "$version" >/dev/null ||
  fail "the program's version record does not say $version"
msi="$build/packages/CorvelEditorZozi-$version-x64.msi"
msiinfo export "$msi" Property | tr -d '\r' | grep -x "ProductVersion.$msi_version" >/dev/null ||
  fail "the .msi's version is not $msi_version"
help_name=$(sed -n 's/^ZOZI_HELP_NAME:INTERNAL=//p' "$build/CMakeCache.txt")
[ -n "$help_name" ] || fail "the build names no help file (ZOZI_HELP_NAME)"
mkdir dist
cp "$build/ui/CorvelEditorZozi.exe" "$build/docs/help/$help_name" \
  "$build/packages/CorvelEditorZozi-$version-win64.zip" "$msi" dist/
(cd dist && sha256sum -- * >SHA256SUMS)
# Which sources the release is: the commit, and whether the tree had changes or stray files
# (tests/release_repro_test.sh compares only a release of the committed HEAD with another build).
{
  git rev-parse HEAD
  git status --porcelain --untracked-files=all --ignored -- . ':!build' ':!dist'
} >"$build/sources.txt"

echo "Corvel Editor Zozi $version, commit $(git rev-parse --short HEAD), in dist/:"
cat dist/SHA256SUMS
