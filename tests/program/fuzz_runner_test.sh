#!/usr/bin/env bash
# tools/fuzz.sh with stand-in targets: the first one crashes, yet the others still run, and
# the run fails at the end naming the crashed one. (The loop once stopped at the first crash,
# so a second crash stayed hidden behind it.)
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$work/src/fuzz/corpus" "$work/build"
for name in aaa bbb ccc; do
  touch "$work/src/fuzz/${name}_fuzz.cpp"
  status=0
  [ "$name" = ccc ] || status=1
  printf '#!/bin/sh\necho ran >"%s/ran-%s"\nexit %s\n' "$work" "$name" "$status" >"$work/build/${name}_fuzz"
  chmod +x "$work/build/${name}_fuzz"
done
if output=$("$tools/fuzz.sh" "$work/build" 1 "$work/src" 2>&1); then fail "the run succeeded despite crashes"; fi
for name in aaa bbb ccc; do [ -f "$work/ran-$name" ] || fail "$name did not run after an earlier crash"; done
[[ "$output" == *"Fuzz-Ziele mit Fehlern: aaa bbb"* ]] || fail "the failed targets are not named: $output"
echo "1 passed, 0 failed"
