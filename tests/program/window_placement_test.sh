#!/usr/bin/env bash
# The real program under an X server: a team window placed last in a larger main window
# comes back inside the smaller main window of this start, with Teamwert, Gold and Fan-Faktor
# in sight. (The rule: TeamWindowPlacement.RestoredInsideTheArea; a window maximised when the
# program ends keeping its normal placement: team_windows_test.sh.)
# Usage: window_placement_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
orks Orks "$work/Orks.krt"
# Orks last placed in a large main window: wider and taller than the main window of a start
# under this X server without a window manager.
mkdir -p "$(dirname "$settings")"
printf '[Settings]\nMainWnd-Orks\\Left=40\nMainWnd-Orks\\Top=30\nMainWnd-Orks\\SizeX=1150\nMainWnd-Orks\\SizeY=780\n' \
  >"$settings"
stored() { echo "$(placement Orks Left),$(placement Orks Top) $(placement Orks SizeX)x$(placement Orks SizeY)"; }
main_size() { xdotool getwindowgeometry --shell "$(main_window)" | sed -n "s/^$1=//p"; }

start "$work/Orks.krt"
width=$(main_size WIDTH)
height=$(main_size HEIGHT)
quit
[ $(($(placement Orks Left) + $(placement Orks SizeX))) -le "$width" ] &&
  [ $(($(placement Orks Top) + $(placement Orks SizeY))) -le "$height" ] ||
  fail "the window came back at $(stored), beyond the main window of ${width}x$height"
echo "1 passed, 0 failed"
