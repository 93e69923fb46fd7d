#!/usr/bin/env bash
# The real program under an X server: "&Beenden" while the help window is open ends the
# program, help included, and the next start runs instead of finding a hidden program.
# Usage: help_quit_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
program=$1
krv=$2
source "$(dirname "$0")/program_session.sh"
export QT_QPA_PLATFORM=xcb
orks Orks "$work/Orks.krt"

help_window() { xdotool search --onlyvisible --name 'Hilfe$' 2>/dev/null | head -1; }
help_shown() { [ -n "$(help_window)" ]; }

for round in first second; do
  start "$work/Orks.krt"
  xdotool windowfocus --sync "$(main_window)" key F1
  wait_for help_shown || fail "F1 did not open the help ($round start)"
  quit
done
# Ended as on any end: the help window's placement is written with the settings.
grep -q '^\[Hilfe\]' "$settings" || fail "the help window's placement was not stored"
echo "1 passed, 0 failed"
