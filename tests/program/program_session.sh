# What the tests of the real program share (sourced after `program` and `krv` are set): a
# folder of their own for settings, data and the instance socket, so that parallel runs never
# meet; waiting for a condition; and whether the program has opened a file (it then stands in
# the recent-file list of its settings). `first` is the first instance's process; it and every
# process added to `started` (the last first) are ended on exit (one never set is skipped: "kill 0" would end the
# test's whole process group, the X server of xvfb-run included).
work=$(mktemp -d)
started=()
end_session() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[i]}" 2>/dev/null || true; done
  [ -z "${first:-}" ] || kill "$first" 2>/dev/null || true
  rm -rf "$work"
}
trap end_session EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run KRV_DATEN=$work/Daten TMPDIR=$work
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Krashball/Krashball-Verwaltung.conf
opened() { grep -q "$1" "$settings" 2>/dev/null; }
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
