#!/usr/bin/env bash
# The real program under an X server: while opening a handed-over file shows a box, further
# starts hand over more files. The first instance must survive answering the boxes, show them
# one after the other instead of piling them up, and then open the good file. Started with
# only a damaged file, it shows the message and ends with failure.
# Usage: handover_during_box_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
orks Erste "$work/Erste.krt"
dwarfs Zweite "$work/Zweite.krt"
printf 'kein Team' > "$work/Kaputt1.krt"
printf 'auch kein Team' > "$work/Kaputt2.krt"

alive() { kill -0 "$first" 2>/dev/null || fail "the first instance is gone ($1)"; }

# Started with only a damaged file, the program shows why and ends with failure.
"$program" "$work/Kaputt1.krt" &
first=$!
answer Return "damaged file at start"
status=0
wait_for ended || fail "started with a damaged file only, the program stayed open"
wait "$first" || status=$?
[ "$status" -ne 0 ] || fail "the program ended with status 0 after a failed open"

"$program" "$work/Erste.krt" &
first=$!
wait_for opened Erste.krt || fail "the first file was not opened"

# Each start ends at once; the files wait in the first instance.
timeout 10 "$program" "$work/Kaputt1.krt"
wait_for box_count_is 1 || fail "no box for the damaged file"
timeout 10 "$program" "$work/Kaputt2.krt"
timeout 10 "$program" "$work/Zweite.krt"
sleep 0.5
alive "while the box is open"

answer Return "first damaged file"
alive "after the first box"
answer Return "second damaged file"
alive "after the second box"
wait_for opened Zweite.krt || fail "the good file handed over last was not opened"
sleep 0.5
alive "at the end"
box_count_is 0 || fail "a box is left open"
echo "1 passed, 0 failed"
