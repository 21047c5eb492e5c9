#!/usr/bin/env bash
# Builds the program, starts it under Xvfb, types a scene into the eighteen fields, presses
# "Izriši presek ravnin" and saves the window as docs/screenshot.png.
# Usage: scripts/screenshot.sh [output.png [eighteen numbers]]
#   the numbers: X Y Z of T1, T2, T3 of plane 1, then of plane 2 (default: the scene below)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
if [[ $# -gt 0 ]]; then
  [[ $# -eq 18 ]] || { echo "Give all eighteen coordinates." >&2; exit 1; }
  scene=("$@")
else
  # Two planes whose patches, in the first view, lie well apart from each other and from
  # the axes, with the whole line across the picture.
  scene=(-5 -2 -1   -1 0 0   0 2 -2
          1 -1 -2    3 0 2   0 0 -4)
fi

scripts/install-deps.sh build
missing=()
for tool in Xvfb:xvfb xdotool:xdotool import:imagemagick xdpyinfo:x11-utils; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

build="build-pkg"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLANE_TESTS=OFF \
  -DPLANE_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target plane-intersection -j "$(nproc)"

display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
stop() {
  [[ -z $program ]] || kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

# Without a window manager the window sits at 193,181 on the screen and its client area is
# 803x513; the numbers below are places in the client area, so a window of another size
# would be typed into at the wrong places.
"$build"/app/plane-intersection &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --class plane-intersection | head -n1)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH -eq 803 && $HEIGHT -eq 513 ]] || {
  echo "The window's client area is ${WIDTH}x${HEIGHT}, not 803x513: the field places are out of date." >&2
  exit 1; }
left=$X top=$Y
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.05; }

columns=(672 704 736)
rows=(48 72 96 144 168 192)
i=0
for row in "${rows[@]}"; do
  for column in "${columns[@]}"; do
    click $((column + 12)) $((row + 10))   # the middle of a 25x21 field
    xdotool key ctrl+a BackSpace type --delay 20 -- "${scene[i]}"
    i=$((i + 1))
  done
done
click $((616 + 72)) $((224 + 16))          # Izriši presek ravnin
xdotool mousemove $((left + 300)) $((top + 600))  # the pointer off the window
sleep 1
kill -0 "$program" || { echo "The program ended." >&2; exit 1; }

mkdir -p "$(dirname "$out")"
shot=$(mktemp --suffix=.png)
import -window root "$shot"
convert "$shot" -crop "803x513+$left+$top" +repage -strip "$out"
rm -f "$shot"

# The drawing area must hold the line (red) and both patches (blue, purple).
colours=$(convert "$out" -crop 585x513+0+0 +repage -format %c histogram:info:)
for colour in FF0000:red 0000FF:blue 800080:purple; do
  pixels=$(grep -i "#${colour%%:*}" <<<"$colours" | awk -F: '{print $1 + 0}' | head -n1 || true)
  [[ ${pixels:-0} -ge 100 ]] || { echo "Hardly any ${colour#*:} in the picture: the scene is not drawn, or not all of it is in view." >&2; exit 1; }
done
echo "Saved $out"
