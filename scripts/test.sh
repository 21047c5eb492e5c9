#!/usr/bin/env bash
# Builds and runs every test: once plainly, once with AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes whole redraw cycles for a minute. Fails on the first
# failing test, sanitizer report or fuzzer finding.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DPLANE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

export QT_QPA_PLATFORM=offscreen
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DPLANE_SANITIZE=ON -DPLANE_BENCHMARKS=OFF

# The whole cycle under libFuzzer for about a minute; any finding fails.
scripts/fuzz.sh 60

echo "All tests passed, with and without sanitizers, and the fuzzer found nothing."
