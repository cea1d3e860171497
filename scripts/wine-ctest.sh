#!/usr/bin/env bash
# Sets up what is missing, builds what is out of date in the Windows build (the windows preset) and
# runs CTest on it under Wine, on a virtual display and in the project's prefix, with the
# arguments given. For example, a longer monkey run with another sequence, or the replay of the
# seed that a failure printed:
#
#   ZOZI_MONKEY_ACTIONS=100000 ZOZI_MONKEY_SEED=7 bash scripts/wine-ctest.sh -R monkey
#
# The test command, which has set up already, says so with ZOZI_SETUP_DONE=1.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${ZOZI_SETUP_DONE:-0}" != 1 ]; then bash scripts/setup.sh; fi
source scripts/wine-env.sh

cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
trap zozi_stop_all EXIT
zozi_start_display
# Every scale's prefix before Wine starts (a copy is made of the prefix at 96 dpi at rest).
zozi_prepare_prefixes
zozi_start_wine
# The Windows tests share one display and one clipboard: one at a time.
ctest --preset windows -j1 "$@"
