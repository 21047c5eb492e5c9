#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, skipping those already there.
# Usage: scripts/install-deps.sh [build|test]   (test adds what only the test suite needs)
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev libgl-dev
  fonts-liberation2 fontconfig
)
if [[ "${1:-build}" == test ]]; then
  packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth x11-utils time
    imagemagick desktop-file-utils)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
