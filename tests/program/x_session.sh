# What the tests of the real program under an X server share (sourced after
# program_session.sh): finding the main window and its title, starting the program with a
# team, handing a team over, and ending it through "&Datei" → "&Beenden" as a coach would.
export QT_QPA_PLATFORM=xcb
fail() { echo "FAIL: $*"; exit 1; }
main_window() { xdotool search --onlyvisible --name '^Krashball-Verwaltung V' 2>/dev/null | head -1; }
title() { xdotool getwindowname "$(main_window)" 2>/dev/null || true; }
title_is() { [[ "$(title)" == *"$1" ]]; }
# A team window's placement as stored for the next start (Left, Top, SizeX, SizeY).
placement() { sed -n "s/^MainWnd-$1\\\\$2=//p" "$settings"; }
start() {
  "$program" "$1" &
  first=$!
  wait_for title_is "$(basename "$1")" || fail "$1 was not opened (title: $(title))"
}
hand_over() {
  timeout 10 "$program" "$1"
  wait_for title_is "$2" || fail "$1 was not opened (title: $(title))"
}
# The open "&Datei" menu is one more visible window of the program; "b" typed before it is
# open would go into a field of the team window instead.
windows() { xdotool search --onlyvisible --class krashball 2>/dev/null | wc -l; }
more_windows_than() { [ "$(windows)" -gt "$1" ]; }
ended() { ! kill -0 "$first" 2>/dev/null; }
# Chooses the entry of "&Datei" with the underlined letter `$1`.
file_menu() {
  local window shown
  window=$(main_window)
  shown=$(windows)
  xdotool windowfocus --sync "$window" key alt+d
  wait_for more_windows_than "$shown" || fail "the Datei menu did not open"
  xdotool key "$1"
}
quit() {
  file_menu b
  wait_for ended || fail "the program did not end"
  wait "$first" || fail "the program ended with failure"
}
# Runs `$@` until it holds, for a moment only (a step of a search).
briefly() {
  for _ in 1 2 3 4 5 6; do "$@" && return 0; sleep 0.05; done
  return 1
}
# Maximises the active team window, showing `$1`, by a double click on its title bar, searched
# from the top of the main window down: above it lies the empty area, where a click does nothing.
maximise_team_window() {
  local WINDOW X Y WIDTH HEIGHT SCREEN y
  eval "$(xdotool getwindowgeometry --shell "$(main_window)")"
  for y in $(seq 30 4 200); do
    xdotool mousemove $((WIDTH / 2)) "$y" click --repeat 2 --delay 60 1
    briefly title_is " - [$1]" && return 0
  done
  fail "the team window could not be maximised (title: $(title))"
}
