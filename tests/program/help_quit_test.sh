#!/usr/bin/env bash
# The real program under an X server: "&Beenden" while the help window is open ends the
# program, help included, and the next start runs instead of finding a hidden program. The
# first start opens a team, the second only the main window, whose program icon is set once
# the window is up: each time the window carries it.
# Usage: help_quit_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
orks Orks "$work/Orks.krt"

help_window() { xdotool search --onlyvisible --name 'Hilfe$' 2>/dev/null | head -1; }
help_shown() { [ -n "$(help_window)" ]; }
main_window_shown() { [ -n "$(main_window)" ]; }
has_program_icon() { xprop -id "$(main_window)" _NET_WM_ICON 2>/dev/null | grep -q ' = '; }

for round in first second; do
  if [ $round = first ]; then
    start "$work/Orks.krt"
  else
    "$program" &
    first=$!
    wait_for main_window_shown || fail "the main window did not show ($round start)"
  fi
  wait_for has_program_icon || fail "the main window has no program icon ($round start)"
  xdotool windowfocus --sync "$(main_window)" key F1
  wait_for help_shown || fail "F1 did not open the help ($round start)"
  quit
done
# Ended as on any end: the help window's placement is written with the settings.
grep -q '^\[Hilfe\]' "$settings" || fail "the help window's placement was not stored"
echo "1 passed, 0 failed"
