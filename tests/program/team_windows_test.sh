#!/usr/bin/env bash
# The real program under an X server: team windows opened one after the other cascade, and a
# team opened while the active window is maximised comes up maximised, named once in the main
# title, and keeps its normal placement for the next start.
# Usage: team_windows_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
orks Orks "$work/Orks.krt"
dwarfs Zwerge "$work/Zwerge.krt"
dwarfs Bergzwerge "$work/Bergzwerge.krt"

# Three teams one after the other: each window a title bar lower and further right.
start "$work/Orks.krt"
hand_over "$work/Zwerge.krt" "Zwerge.krt"
hand_over "$work/Bergzwerge.krt" "Bergzwerge.krt"
quit
step=$(placement Zwerge Left)
[ "$(placement Orks Left)" = 0 ] && [ "$(placement Orks Top)" = 0 ] || fail "the first window is not at the top left"
[ "${step:-0}" -gt 5 ] && [ "$(placement Zwerge Top)" = "$step" ] || fail "the second window does not cascade ($step)"
[ "$(placement Bergzwerge Left)" = $((2 * step)) ] && [ "$(placement Bergzwerge Top)" = $((2 * step)) ] ||
  fail "the third window does not cascade"
size_x=$(placement Zwerge SizeX)
size_y=$(placement Zwerge SizeY)

# The team window maximised by a double click on its title bar, just below the toolbar.
start "$work/Orks.krt"
maximise_team_window Orks.krt

# Opened now, Zwerge comes up maximised too and is named once.
hand_over "$work/Zwerge.krt" " - [Zwerge.krt]"
[ "$(title | grep -o Zwerge | wc -l)" -eq 1 ] || fail "the main title repeats the team: $(title)"
[[ "$(title)" != *Orks* ]] || fail "the main title names the team no longer active: $(title)"
quit
# Both keep their normal placements, not the maximised area or a strip.
[ "$(placement Zwerge Left)" = "$step" ] && [ "$(placement Zwerge SizeX)" = "$size_x" ] &&
  [ "$(placement Zwerge SizeY)" = "$size_y" ] || fail "Zwerge lost its placement: $(grep Zwerge "$settings")"
[ "$(placement Orks SizeY)" -gt 100 ] && [ "$(placement Orks Top)" = 0 ] ||
  fail "Orks lost its placement: $(grep Orks "$settings")"
echo "1 passed, 0 failed"
