#!/usr/bin/env bash
# Start-up time: from starting the process until its main window is on the (virtual) screen,
# for the program and for a bare Qt main window with a menu bar and a status bar (the floor Qt
# itself sets, bench/bare_window.cpp), in alternating runs so that both meet the same load;
# then the program started with a team file until its window shows that team. Prints every
# run and the medians, with the program's median as a multiple of the bare window's.
# Run under Xvfb, kept from resetting when a run's program ends (else the next run can find
# no server):
#   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bench/startup_time.sh build/krashball build/bare_window [runs]
set -euo pipefail
program=$1
bare=$2
runs=${3:-10}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
title="Krashball-Verwaltung V$version"
team=$source_dir/share/examples/Orks.krt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Fresh settings and data each run, a single-instance socket of its own.
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state KRV_DATEN=$work/Daten TMPDIR=$work \
       XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Milliseconds from starting "$@" until a viewable window whose title matches the regular
# expression $1 exists; the program is ended afterwards.
time_to_window() {
  local pattern=$1
  shift
  local start pid
  start=$(date +%s%N)
  "$@" >/dev/null &
  pid=$!
  until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$*: ended without a window" >&2; exit 1; }
    sleep 0.002
  done
  echo $((($(date +%s%N) - start) / 1000000))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$XDG_CONFIG_HOME" "$KRV_DATEN"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

escaped=${title//./\\.}
: >"$work/bare" >"$work/program" >"$work/team"
for run in $(seq "$runs"); do
  b=$(time_to_window '^Leeres Qt-Hauptfenster$' "$bare")
  p=$(time_to_window "^$escaped\$" "$program")
  t=$(time_to_window "^$escaped - \\[?Orks\\.krt\\]?\$" "$program" "$team")
  echo "run $run: bare Qt window $b ms, program $p ms, program with team file $t ms"
  echo "$b" >>"$work/bare"
  echo "$p" >>"$work/program"
  echo "$t" >>"$work/team"
done
b=$(median <"$work/bare")
p=$(median <"$work/program")
t=$(median <"$work/team")
echo "start-up to main window, median of $runs alternating runs: program $p ms, bare Qt window $b ms, ratio $(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.2f", p / b }') (target at most 1.25)"
echo "start-up with a team file to its team window, median of $runs runs: $t ms"
echo "load average during the runs: $(cut -d' ' -f1-3 /proc/loadavg)"
