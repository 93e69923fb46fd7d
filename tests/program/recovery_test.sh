#!/usr/bin/env bash
# The real program under an X server: unsaved changes survive a kill. A letter typed into the
# team name, the program killed, started again: the question offers the change back, "Ja"
# opens it unsaved, Strg+S writes it into the team file and removes the recovery file. Then
# "Bearbeiten" takes the change back and does it again, the title's "*" following, and the
# end leaves no recovery file for the next start to ask about. (A start without recovery
# files asks nothing: RecoveryFilesTest.OnlyFilesOfProgramsGoneAreOffered.)
# Usage: recovery_test.sh KRASHBALL_BINARY KRV_BINARY   (run under xvfb-run)
set -euo pipefail
source "$(dirname "$0")/program_session.sh"
orks Orks "$work/Orks.krt"
recovery=$XDG_STATE_HOME/krashball

kept() { compgen -G "$recovery/*.notfall" >/dev/null; }
holds() { "$krv" json "$work/Orks.krt" | grep -q "\"$1\""; }

# A letter typed into the team name (the field that has the focus), then a kill.
start "$work/Orks.krt"
xdotool windowfocus --sync "$(main_window)" key End type --delay 50 "X"
wait_for title_is "Orks.krt *" || fail "typing did not change the team (title: $(title))"
wait_for kept || fail "no recovery file within the wait"
kill -9 "$first"
wait "$first" 2>/dev/null || true

# Started again with the file on its command line: asked, "Ja" is the default.
"$program" "$work/Orks.krt" &
first=$!
answer Return "the recovery question"
wait_for title_is "Orks.krt *" || fail "the recovered team is not open unsaved (title: $(title))"
xdotool windowfocus --sync "$(main_window)" key ctrl+s
wait_for title_is "Orks.krt" || fail "Strg+S did not save (title: $(title))"
holds OrksX || fail "the team file does not hold the recovered name"
kept && fail "the recovery file is still there after saving"

# Back and forth through "Bearbeiten", the title following.
xdotool windowfocus --sync "$(main_window)" type --delay 50 "Y"
wait_for title_is "Orks.krt *" || fail "typing did not change the team (title: $(title))"
menu b r
wait_for title_is "Orks.krt" || fail "Rückgängig did not return to the saved team (title: $(title))"
menu b w
wait_for title_is "Orks.krt *" || fail "Wiederholen did not change the team again (title: $(title))"
menu b r
wait_for title_is "Orks.krt" || fail "Rückgängig did not return to the saved team (title: $(title))"
quit  # nothing unsaved: no question
kept && fail "a recovery file outlived the program's end; the next start would ask again"
echo "1 passed, 0 failed"
