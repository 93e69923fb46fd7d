#!/usr/bin/env bash
# The real program under an X server: while opening a handed-over file shows a box, further
# starts hand over more files. The first instance must survive answering the boxes, show them
# one after the other instead of piling them up, and then open the good file. Started with
# only a damaged file, it shows the message and ends with failure.
# Usage: handover_during_box_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
program=$1
krv=$2
source "$(dirname "$0")/program_session.sh"
export QT_QPA_PLATFORM=xcb
"$krv" neu --rasse 10 --name Erste --spieler 12,2 --marken 3 --fans 8 "$work/Erste.krt" >/dev/null
"$krv" neu --rasse 14 --name Zweite --spieler 12 --marken 3 --fans 4 "$work/Zweite.krt" >/dev/null
printf 'kein Team' > "$work/Kaputt1.krt"
printf 'auch kein Team' > "$work/Kaputt2.krt"

# The error box carries the bare program name; the main window's title has more.
boxes() { xdotool search --onlyvisible --name '^Krashball-Verwaltung$' 2>/dev/null || true; }
one_box() { [ "$(boxes | wc -l)" -eq 1 ]; }
answer_box() {
  wait_for one_box || { echo "FAIL: expected exactly one box, found $(boxes | wc -l)"; exit 1; }
  local box
  box=$(boxes)
  xdotool windowfocus --sync "$box" key Return
  wait_for no_box_or_next "$box" || { echo "FAIL: the box was not answered"; exit 1; }
}
no_box_or_next() { ! boxes | grep -qx "$1"; }
alive() { kill -0 "$first" 2>/dev/null || { echo "FAIL: the first instance is gone ($1)"; exit 1; }; }

# Started with only a damaged file, the program shows why and ends with failure.
"$program" "$work/Kaputt1.krt" &
first=$!
answer_box
status=0
wait_for_exit() { ! kill -0 "$first" 2>/dev/null; }
wait_for wait_for_exit || { echo "FAIL: started with a damaged file only, the program stayed open"; exit 1; }
wait "$first" || status=$?
[ "$status" -ne 0 ] || { echo "FAIL: the program ended with status 0 after a failed open"; exit 1; }

"$program" "$work/Erste.krt" &
first=$!
wait_for opened Erste.krt || { echo "FAIL: the first file was not opened"; exit 1; }

# Each start ends at once; the files wait in the first instance.
timeout 10 "$program" "$work/Kaputt1.krt"
wait_for one_box || { echo "FAIL: no box for the damaged file"; exit 1; }
timeout 10 "$program" "$work/Kaputt2.krt"
timeout 10 "$program" "$work/Zweite.krt"
sleep 0.5
alive "while the box is open"

answer_box
alive "after the first box"
answer_box
alive "after the second box"
wait_for opened Zweite.krt || { echo "FAIL: the good file handed over last was not opened"; exit 1; }
sleep 0.5
alive "at the end"
[ "$(boxes | wc -l)" -eq 0 ] || { echo "FAIL: a box is left open"; exit 1; }
echo "1 passed, 0 failed"
