#!/usr/bin/env bash
# The benchmark command: sets up what is missing, builds, runs the composition benchmark natively
# and the start-up benchmark (the program against the floor) under Wine, and prints the figures.
# Not part of the tests: timings depend on the machine and on what else runs on it.
#
#   bash scripts/bench.sh [runs]     runs: start-ups of each program (default 20)
#
# The start-up part runs on one processor (ZOZI_BENCH_CPU, default the last one): the display
# server, Wine's server, the launcher and both programs. A window's start-up under Wine is a long
# exchange of requests with Wine's server and the X server; spread over processors, each request
# may wait for another processor to wake, and on a virtual machine that wait varies from run to
# run, so that both programs' times come in two modes and the ratio of medians swings by more than
# the margin it is meant to show. On one processor the same runs repeat to about one per cent.
# ZOZI_BENCH_PIN=0 measures without it.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-20}"
bash scripts/setup.sh

# The composition benchmark: optimised native build of its own.
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZOZI_TESTS=OFF -DZOZI_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)" --target compose_bench
source scripts/common.sh
zozi_build_bench_windows

echo
echo "== Composition: composeHintStatement, 16 B to 1 MiB message"
build/bench/bench/compose_bench --benchmark_counters_tabular=true

if [ "${ZOZI_BENCH_PIN:-1}" != 0 ]; then
  cpu="${ZOZI_BENCH_CPU:-$(($(nproc) - 1))}"
  # This shell and everything it starts from here on: Xvfb, wineserver, the launcher and the
  # programs it starts.
  taskset -pc "$cpu" $$ >/dev/null
  pinned="on processor $cpu"
else
  pinned="on all processors"
fi

zozi_bench_display bench-prefix
zozi_start_wine

echo
echo "== Start-up and memory: the program against the floor, $runs runs each, alternately, $pinned"
status=0
wine build/bench-windows/bench/launcher.exe "$runs" 2>&1 | tr -d '\r' || status=$?
if [ "$status" = 2 ]; then
  echo "A target is missed (see above)." >&2
fi
exit "$status"
