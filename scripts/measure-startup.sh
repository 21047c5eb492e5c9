#!/usr/bin/env bash
# Measures, under Xvfb, the time from starting the program to its window being mapped on the
# screen, and its peak resident memory (/usr/bin/time -v), over several runs; and the same for
# a bare Qt window with no controls, the floor the toolkit sets. Prints medians.
# Usage: scripts/measure-startup.sh [runs]   (default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}

scripts/install-deps.sh test

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLANE_BENCHMARKS=OFF \
  -DPLANE_TESTS=OFF >/dev/null
cmake --build build-release --target plane-intersection bare-qt-window >/dev/null

tmp=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# One run: prints "milliseconds kilobytes".
measure_once() {
  local program=$1
  : >"$tmp/xev.log"
  stdbuf -oL xev -root -event substructure >"$tmp/xev.log" 2>/dev/null &
  local xev=$!
  sleep 0.3  # let xev subscribe before the program starts
  local start end
  start=$(date +%s%N)
  /usr/bin/time -v -o "$tmp/time.log" "$program" >/dev/null 2>&1 &
  local pid=$!
  until grep -q '^MapNotify' "$tmp/xev.log"; do sleep 0.001; done
  end=$(date +%s%N)
  sleep 0.5  # let it paint and settle before the memory is read
  pkill -TERM -P "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  kill "$xev" 2>/dev/null || true
  wait "$xev" 2>/dev/null || true
  local kb
  kb=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$tmp/time.log")
  echo "$(( (end - start) / 1000000 )) $kb"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

: >"$tmp/program" && : >"$tmp/floor"
for i in $(seq "$runs"); do
  # Alternate, so that a noisy moment of the machine hits both alike.
  measure_once build-release/app/plane-intersection >>"$tmp/program"
  measure_once build-release/tools/bare-qt-window >>"$tmp/floor"
done

program_ms=$(cut -d' ' -f1 "$tmp/program" | median)
floor_ms=$(cut -d' ' -f1 "$tmp/floor" | median)
program_kb=$(cut -d' ' -f2 "$tmp/program" | median)
floor_kb=$(cut -d' ' -f2 "$tmp/floor" | median)
echo "runs: $runs each, alternating"
echo "plane-intersection: window visible after ${program_ms} ms (median), peak RSS $((program_kb / 1024)) MB (median)"
echo "bare Qt window:     window visible after ${floor_ms} ms (median), peak RSS $((floor_kb / 1024)) MB (median)"
awk -v p="$program_ms" -v f="$floor_ms" 'BEGIN {printf "ratio of start-up medians: %.2f\n", p / f}'
echo "all start-up times (ms):  program $(cut -d' ' -f1 "$tmp/program" | tr '\n' ' ')"
echo "                          floor   $(cut -d' ' -f1 "$tmp/floor" | tr '\n' ' ')"
