# Shared settings for the project's scripts (sourced, not run).
ZOZI_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZOZI_ROOT
# The project's own Wine prefixes, never ~/.wine: at 96 dpi ZOZI_PREFIX_BASE, at another scale
# ZOZI_PREFIX_BASE-<dpi>dpi (see zozi_use_prefix in wine-env.sh). By default outside the clone,
# shared by the clones on this machine and made once per Wine version:
# ${XDG_CACHE_HOME:-~/.cache}/corvel-editor-zozi/wine/<wine --version>/prefix; a new Wine version
# gets new prefixes. Exported, so that the programs a script starts (CTest and the runners it
# calls) keep the same base whatever prefix is in use.
zozi_default_prefix_base() {
  local version
  version=$(wine --version 2>/dev/null | tr -cs 'A-Za-z0-9.' '-') || true
  echo "${XDG_CACHE_HOME:-${HOME:-$(echo ~)}/.cache}/corvel-editor-zozi/wine/${version%-}/prefix"
}
if [ -z "${ZOZI_PREFIX_BASE:-}" ]; then
  ZOZI_PREFIX_BASE="${WINEPREFIX:-$(zozi_default_prefix_base)}"
fi
export ZOZI_PREFIX_BASE
export WINEPREFIX="${WINEPREFIX:-$ZOZI_PREFIX_BASE}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# The program, the floor and the launcher for the benchmarks: the Windows toolchain and a Release
# build, in a folder of their own without the tests, so that they neither wait for nor disturb a
# test build.
zozi_build_bench_windows() {
  cmake -S "$ZOZI_ROOT" -B "$ZOZI_ROOT/build/bench-windows" \
    -DCMAKE_TOOLCHAIN_FILE="$ZOZI_ROOT/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DZOZI_TESTS=OFF -DZOZI_BENCH=ON >/dev/null
  cmake --build "$ZOZI_ROOT/build/bench-windows" -j"$(nproc)" --target CorvelEditorZozi floor launcher
}

# The program and the window probe, built with the windows preset (run.sh, screenshots.sh); their
# paths in ZOZI_EXE and ZOZI_PROBE.
zozi_build_program_windows() {
  (cd "$ZOZI_ROOT" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows -j"$(nproc)" --target CorvelEditorZozi window_probe) || return 1
  ZOZI_EXE="$ZOZI_ROOT/build/windows/ui/CorvelEditorZozi.exe"
  ZOZI_PROBE="$ZOZI_ROOT/build/windows/tests/window_probe.exe"
}

# For the benchmarks (bench.sh, bench-requests.sh): a virtual display and a Wine prefix of the
# command's own, build/wine/NAME at 96 dpi, so that stopping Wine there ends nobody else's runs.
# Both stop when the command exits.
zozi_bench_display() {  # NAME
  export ZOZI_PREFIX_BASE="$ZOZI_ROOT/build/wine/$1"
  export WINEPREFIX="$ZOZI_PREFIX_BASE"
  source "$ZOZI_ROOT/scripts/wine-env.sh"
  trap zozi_stop_all EXIT
  zozi_start_display
  zozi_use_prefix 96
}
