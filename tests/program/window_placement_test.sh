#!/usr/bin/env bash
# The real program under an X server: a team window closed while maximised in a large main
# window keeps its normal placement, and that placement comes back inside a smaller main
# window, with Teamwert, Gold and Fan-Faktor in sight.
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
main_size_is() { [ "$(main_size WIDTH)x$(main_size HEIGHT)" = "$1" ]; }

# 1. In a large main window the team window is maximised, and the program ends.
start "$work/Orks.krt"
xdotool windowsize --sync "$(main_window)" 1260 980
wait_for main_size_is 1260x980 || fail "the main window could not be made larger"
maximise_team_window Orks.krt
quit
[ "$(stored)" = "40,30 1150x780" ] || fail "closed maximised, the window stored $(stored), not its normal placement"

# 2. Started again in the smaller main window: the team window comes back inside it.
start "$work/Orks.krt"
width=$(main_size WIDTH)
height=$(main_size HEIGHT)
quit
[ $(($(placement Orks Left) + $(placement Orks SizeX))) -le "$width" ] &&
  [ $(($(placement Orks Top) + $(placement Orks SizeY))) -le "$height" ] ||
  fail "the window came back at $(stored), beyond the main window of ${width}x$height"
echo "1 passed, 0 failed"
