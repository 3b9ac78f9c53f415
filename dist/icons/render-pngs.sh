#!/usr/bin/env bash
# Renders the icon's PNG sizes from its SVG; run after changing the SVG
# (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" scalable/apps/gridmason.svg -o "${size}x${size}/apps/gridmason.png"
done
