#!/usr/bin/env bash
# Sets up what is missing, builds what is out of date in the Windows build (the windows preset) and
# runs CTest on it under Wine, on a virtual display and in the project's prefix, with the
# arguments given. For example, a longer monkey run with another sequence, or the replay of the
# seed that a failure printed:
#
#   ZOZI_MONKEY_ACTIONS=100000 ZOZI_MONKEY_SEED=7 bash scripts/wine-ctest.sh -R monkey
#
# The test command, which has set up and built already, says so with ZOZI_SETUP_DONE=1 and
# ZOZI_WINDOWS_BUILT=1; with ZOZI_SECOND_PREFIX=1 the tests run in the second prefix at 96 dpi
# (see wine-env.sh), beside another run of this script in the first, each on its own display.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${ZOZI_SETUP_DONE:-0}" != 1 ]; then bash scripts/setup.sh; fi
source scripts/wine-env.sh

if [ "${ZOZI_WINDOWS_BUILT:-0}" != 1 ]; then
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j"$(nproc)"
fi
trap zozi_stop_all EXIT
zozi_start_display
# Every prefix before Wine starts (the copies are made of the prefix at 96 dpi at rest).
zozi_prepare_prefixes
if [ "${ZOZI_SECOND_PREFIX:-0}" = 1 ]; then zozi_use_second_prefix; fi
zozi_start_wine
# The Windows tests share one display and one clipboard: one at a time.
ctest --preset windows -j1 "$@"
