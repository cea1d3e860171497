#!/usr/bin/env bash
# The benchmark command: sets up what is missing, builds, runs the composition benchmark natively
# and the start-up benchmark (the program against the floor) under Wine, and prints the figures.
# Not part of the tests: timings depend on the machine and on what else runs on it.
#
#   bash scripts/bench.sh [runs]     runs: start-ups of each program (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
bash scripts/setup.sh

# The composition benchmark: optimised native build of its own.
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZOZI_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(nproc)" --target compose_bench
# The program, the floor and the launcher: the windows preset's toolchain and Release build, in
# a folder of its own without the tests, so that it neither waits for nor disturbs a test build.
cmake -S . -B build/bench-windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DZOZI_TESTS=OFF >/dev/null
cmake --build build/bench-windows -j"$(nproc)" --target CorvelEditorZozi floor launcher

echo
echo "== Composition: composeHintStatement, 16 B to 1 MiB message"
build/bench/bench/compose_bench --benchmark_counters_tabular=true

# A Wine prefix of its own, so that stopping Wine here ends nobody else's runs.
export WINEPREFIX="$PWD/build/wine/bench-prefix"
source scripts/wine-env.sh
trap zozi_stop_all EXIT
zozi_start_display
zozi_prepare_prefix
zozi_start_wine

echo
echo "== Start-up and memory: the program against the floor, $runs runs each, alternately"
status=0
wine build/bench-windows/bench/launcher.exe "$runs" 2>&1 | tr -d '\r' || status=$?
if [ "$status" = 2 ]; then
  echo "A target is missed (see above)." >&2
fi
exit "$status"
