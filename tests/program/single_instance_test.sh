#!/usr/bin/env bash
# The real program: started with a team file it opens it; a second start with two more files
# (as the file manager passes a selection) hands both to the first instance and ends at once;
# the first opens them too.
# Usage: single_instance_test.sh KRASHBALL_BINARY KRV_BINARY
set -euo pipefail
program=$1
krv=$2
source "$(dirname "$0")/program_session.sh"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$krv" neu --rasse 10 --name Erste --spieler 12,2 --marken 3 --fans 8 "$work/Erste.krt" >/dev/null
"$krv" neu --rasse 14 --name Zweite --spieler 12 --marken 3 --fans 4 "$work/Zweite.krt" >/dev/null
cp "$work/Zweite.krt" "$work/Dritte.krt"

"$program" "$work/Erste.krt" &
first=$!
wait_for opened Erste.krt || { echo "FAIL: the first file was not opened"; exit 1; }

start=$(date +%s%N)
timeout 10 "$program" "$work/Zweite.krt" "$work/Dritte.krt"
echo "second start ended after $(( ($(date +%s%N) - start) / 1000000 )) ms"
for name in Zweite Dritte; do
  wait_for opened $name.krt || { echo "FAIL: the first instance did not open the handed-over $name.krt"; exit 1; }
done
kill -0 "$first" || { echo "FAIL: the first instance is gone"; exit 1; }
echo "1 passed, 0 failed"
