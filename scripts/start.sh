#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLANE_BENCHMARKS=OFF \
  -DPLANE_TESTS=OFF >/dev/null
cmake --build build-release --target plane-intersection -j "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: the program is built (build-release/app/plane-intersection) but needs a desktop to open its window." >&2
  exit 1
fi
exec build-release/app/plane-intersection
