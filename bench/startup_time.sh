#!/usr/bin/env bash
# Start-up time of the program: from starting the process until its main window is on the
# (virtual) screen. Run under Xvfb, kept from resetting when a run's program ends (else the
# next run can find no server):
#   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bench/startup_time.sh build/krashball [runs]
set -euo pipefail
program=$1
runs=${2:-10}
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
title="Krashball-Verwaltung V$version"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state KRV_DATEN=$work/Daten TMPDIR=$work QT_QPA_PLATFORM=xcb

# The whole answer is read first: "grep -q" in a pipe would end xwininfo early, and with
# pipefail the wait would then never see the window.
viewable() { [[ "$(xwininfo -name "$title" 2>/dev/null)" == *IsViewable* ]]; }

for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  until viewable; do
    kill -0 "$pid" 2>/dev/null || { echo "run $run: the program ended without a window" >&2; exit 1; }
    sleep 0.002
  done
  echo "run $run: $(( ($(date +%s%N) - start) / 1000000 )) ms"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
