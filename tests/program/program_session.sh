# What the tests of the real program share (sourced after `program` and `krv` are set): a
# folder of their own for settings, data and the instance socket, so that parallel runs never
# meet; waiting for a condition; and whether the program has opened a file (it then stands in
# the recent-file list of its settings). `first` is the first instance's process, ended on exit.
work=$(mktemp -d)
trap 'kill "${first:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run XDG_STATE_HOME=$work/state KRV_DATEN=$work/Daten \
       TMPDIR=$work
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Krashball/Krashball-Verwaltung.conf
opened() { grep -q "$1" "$settings" 2>/dev/null; }
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}
