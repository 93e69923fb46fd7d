#!/usr/bin/env bash
# Remakes the pictures of the handbook (share/Dok/bilder, also shown in the README) from the
# program's real windows. Run after changing a window, look at the pictures, commit them.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default build; builds help_screenshots first)
# Needs xvfb-run (Debian package xvfb) for a screen of its own; without it Qt draws offscreen.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build}
out=$source_dir/share/Dok/bilder
cmake --build "$build" --target help_screenshots -j "$(nproc)" >/dev/null
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb "$build/help_screenshots" "$out"
else
  QT_QPA_PLATFORM=offscreen "$build/help_screenshots" "$out"
fi
