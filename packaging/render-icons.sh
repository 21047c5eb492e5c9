#!/usr/bin/env bash
# Renders the PNG icons from plane-intersection.svg; run it after changing the drawing and
# commit the results (the build installs the committed files and needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "Needs rsvg-convert (Debian package librsvg2-bin)" >&2; exit 1; }
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" plane-intersection.svg -o "icons/${size}x${size}/plane-intersection.png"
done
