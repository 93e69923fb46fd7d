#!/usr/bin/env bash
# The real program: started with a team file it opens it; a second start with two more files
# (as the file manager passes a selection) hands both to the first instance and ends at once;
# the first opens them too.
# Usage: single_instance_test.sh KRASHBALL_BINARY KRV_BINARY
set -euo pipefail
platform=${QT_QPA_PLATFORM:-offscreen}
source "$(dirname "$0")/program_session.sh"
orks Erste "$work/Erste.krt"
dwarfs Zweite "$work/Zweite.krt"
cp "$work/Zweite.krt" "$work/Dritte.krt"

"$program" "$work/Erste.krt" &
first=$!
wait_for opened Erste.krt || fail "the first file was not opened"

start=$(date +%s%N)
timeout 10 "$program" "$work/Zweite.krt" "$work/Dritte.krt"
echo "second start ended after $(( ($(date +%s%N) - start) / 1000000 )) ms"
for name in Zweite Dritte; do
  wait_for opened $name.krt || fail "the first instance did not open the handed-over $name.krt"
done
kill -0 "$first" || fail "the first instance is gone"
echo "1 passed, 0 failed"
