#!/usr/bin/env bash
# Builds the redraw fuzzer (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz/, replays the seed corpus, then fuzzes for the given time on a scratch copy of it.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
# Exits non-zero on any finding; crashing inputs go to build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "usage: $0 [seconds]" >&2; exit 2; }

scripts/install-deps.sh test

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLANE_GUI=OFF -DPLANE_BENCHMARKS=OFF -DPLANE_TESTS=OFF -DPLANE_FUZZ=ON -DPLANE_SANITIZE=ON \
  >/dev/null
cmake --build "$build" --target redraw_fuzzer -j "$(nproc)"

fuzzer=$build/fuzz/redraw_fuzzer
artifacts=$build/artifacts/
mkdir -p "$artifacts"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# libFuzzer exits non-zero on a finding; say where the input went before passing that on.
run() {
  local status=0
  "$fuzzer" -artifact_prefix="$artifacts" -timeout=10 -rss_limit_mb=2048 "$@" || status=$?
  if [[ $status -ne 0 ]]; then
    echo "Finding (exit $status): the input is in $artifacts" >&2
    exit "$status"
  fi
}

echo "Replaying the seed corpus"
run fuzz/corpus/*

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/

echo "Fuzzing for $seconds s"
run -max_total_time="$seconds" -max_len=4096 -dict=fuzz/redraw.dict -print_final_stats=1 "$corpus"

echo "No findings in $seconds s."
