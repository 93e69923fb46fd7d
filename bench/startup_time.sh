#!/usr/bin/env bash
# Start-up time of the program: from starting the process until its main window is on the
# (virtual) screen. Run under Xvfb: xvfb-run -a bench/startup_time.sh build/krashball [runs]
set -euo pipefail
program=$1
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config KRV_DATEN=$work/Daten TMPDIR=$work QT_QPA_PLATFORM=xcb
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  until xwininfo -name 'Krashball-Verwaltung V1.6.0' 2>/dev/null | grep -q 'IsViewable'; do sleep 0.002; done
  echo "run $run: $(( ($(date +%s%N) - start) / 1000000 )) ms"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
