#!/usr/bin/env bash
# The real program on two X displays of one user (a second desktop session): each display
# runs a program of its own, and a start hands its team only to the program on its display.
# Usage: display_instance_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
for name in Erste Zweite Dritte; do orks $name "$work/$name.krt"; done

# A second X server beside the one of xvfb-run.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$work/display" 2>/dev/null &
started+=($!)
wait_for test -s "$work/display" || fail "the second X server did not start"
second=:$(cat "$work/display")
on_second() { DISPLAY=$second "$@"; }
second_title() { on_second xdotool search --onlyvisible --name '^Krashball-Verwaltung V' getwindowname 2>/dev/null || true; }
second_title_is() { [[ "$(second_title)" == *"$1" ]]; }

start "$work/Erste.krt"
on_second "$program" "$work/Zweite.krt" &
other=$!
started+=("$other")
wait_for second_title_is Zweite.krt ||
  fail "no program of its own on the second display (it ended: $(kill -0 $other 2>/dev/null || echo yes); first display: $(title))"
[[ "$(title)" == *Erste.krt ]] || fail "the first display's program took the other display's team: $(title)"

# A further start on the first display goes to the program there, and only there.
hand_over "$work/Dritte.krt" "Dritte.krt"
[[ "$(second_title)" == *Zweite.krt ]] || fail "the second display's program changed: $(second_title)"
quit
kill -0 "$other" 2>/dev/null || fail "the second display's program ended with the first"
echo "1 passed, 0 failed"
