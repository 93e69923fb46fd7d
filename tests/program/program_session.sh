# What the tests of the real program share (sourced by a script called with the program and
# krv; on the X server unless `platform` names another Qt platform): a folder of their own for
# settings, data and the instance socket, so that parallel runs never meet; waiting for a condition; whether the program has opened a file (it then stands in the
# recent-file list of its settings); teams made by krv; and, under an X server, finding boxes
# and windows and answering them; starting, handing over to and ending the program with team
# windows. `first` is the first instance's process; it and every process added to `started`
# (the last first) are ended on exit. One never set is skipped: "kill 0" would end the test's
# whole process group, the X server of xvfb-run included.
program=$1
krv=$2
export QT_QPA_PLATFORM=${platform:-xcb}
work=$(mktemp -d)
started=()
end_session() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[i]}" 2>/dev/null || true; done
  [ -z "${first:-}" ] || kill "$first" 2>/dev/null || true
  rm -rf "$work"
}
trap end_session EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state KRV_DATEN=$work/Daten \
       TMPDIR=$work
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Krashball/Krashball-Verwaltung.conf
opened() { grep -q "$1" "$settings" 2>/dev/null; }
# Up to 30 s: a sanitizer build on a busy machine is slow, and only a failure waits that long.
wait_for() {
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
fail() { echo "FAIL: $*"; exit 1; }
ended() { ! kill -0 "$first" 2>/dev/null; }
# Teams made by krv: Orks (race 10) and Zwerge (race 14), named $1, written to $2.
orks() { "$krv" neu --rasse 10 --name "$1" --spieler 12,2 --marken 3 --fans 8 "$2" >/dev/null; }
dwarfs() { "$krv" neu --rasse 14 --name "$1" --spieler 12 --marken 3 --fans 4 "$2" >/dev/null; }

# Under an X server: boxes carry the bare program name, the main window's title has more; an
# open menu is one more visible window of the program.
boxes() { xdotool search --onlyvisible --name '^Krashball-Verwaltung$' 2>/dev/null || true; }
box_count_is() { [ "$(boxes | wc -l)" -eq "$1" ]; }
main_window() { xdotool search --onlyvisible --name '^Krashball-Verwaltung V' 2>/dev/null | head -1; }
title() { xdotool getwindowname "$(main_window)" 2>/dev/null || true; }
title_is() { [[ "$(title)" == *"$1" ]]; }
windows() { xdotool search --onlyvisible --class krashball 2>/dev/null | wc -l; }
more_windows_than() { [ "$(windows)" -gt "$1" ]; }
# Presses key $1 in the one open box ($2 says which) and waits until that box is gone.
answer() {
  wait_for box_count_is 1 || fail "expected one box ($2), found $(boxes | wc -l)"
  local box
  box=$(boxes)
  xdotool windowfocus --sync "$box" key "$1"
  gone() { ! boxes | grep -qx "$box"; }
  wait_for gone || fail "the box was not answered ($2)"
}
# Opens the main menu with Alt+$1 and chooses its entry $2; the entry's letter typed before
# the menu is open would go into a field of the team window.
menu() {
  local shown
  shown=$(windows)
  xdotool windowfocus --sync "$(main_window)" key "alt+$1"
  wait_for more_windows_than "$shown" || fail "the menu alt+$1 did not open"
  xdotool key "$2"
}
# Datei → Beenden.
quit_via_menu() { menu d b; }

# The program started with the team file $1, a team file handed over to it (the title then
# ends in $2), and its end through "&Datei" → "&Beenden".
start() {
  "$program" "$1" &
  first=$!
  wait_for title_is "$(basename "$1")" || fail "$1 was not opened (title: $(title))"
}
hand_over() {
  timeout 10 "$program" "$1"
  wait_for title_is "$2" || fail "$1 was not opened (title: $(title))"
}
quit() {
  quit_via_menu
  wait_for ended || fail "the program did not end"
  wait "$first" || fail "the program ended with failure"
}
# A team window's placement as stored for the next start: team $1, value $2 (Left, Top, SizeX, SizeY).
placement() { sed -n "s/^MainWnd-$1\\\\$2=//p" "$settings"; }
# Runs `$@` until it holds, for a moment only (a step of a search).
briefly() {
  for _ in 1 2 3 4 5 6; do "$@" && return 0; sleep 0.05; done
  return 1
}
# Maximises the active team window, showing file $1, by a double click on its title bar, searched
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
