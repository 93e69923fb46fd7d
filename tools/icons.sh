#!/usr/bin/env bash
# Renders the program icon share/icons/krashball.svg into the PNG sizes of the hicolor theme
# (share/icons/hicolor/NxN/apps/krashball.png). Run again after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../share/icons"
for size in 16 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" krashball.svg -o "hicolor/${size}x${size}/apps/krashball.png"
done
