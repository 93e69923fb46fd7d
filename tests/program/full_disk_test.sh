#!/usr/bin/env bash
# krv saving into a full file system: a small tmpfs in a mount namespace of its own, filled up.
# The old file must stay byte for byte, no partial file may be left, and the message must name
# the file and the cause. Where no namespace may be made, the test is skipped (status 77).
# Usage: full_disk_test.sh KRV_BINARY
set -euo pipefail
krv=$1

if [ -z "${KRV_FULL_DISK_TEAMS:-}" ]; then
  if ! unshare -rm true 2>/dev/null; then
    echo "SKIP: no mount namespace for a tmpfs here"
    exit 77
  fi
  teams=$(mktemp -d)
  trap 'rm -rf "$teams"' EXIT
  export KRV_DATEN=$teams/Daten
  "$krv" neu --rasse 10 --name Alt --spieler 12,2 --marken 3 --fans 8 "$teams/alt.krt" >/dev/null
  "$krv" neu --rasse 14 --name Neu --spieler 12 --marken 3 --fans 4 "$teams/neu.krt" >/dev/null
  KRV_FULL_DISK_TEAMS=$teams unshare -rm "$0" "$krv"
  exit $?
fi

# Inside the namespace: the tmpfs is seen only here and goes with it.
teams=$KRV_FULL_DISK_TEAMS
disk=$teams/voll
mkdir -p "$disk"
mount -t tmpfs -o size=512k tmpfs "$disk" || { echo "SKIP: no tmpfs may be mounted here"; exit 77; }
trap 'umount "$disk"' EXIT
cp "$teams/alt.krt" "$disk/team.krt"
dd if=/dev/zero of="$disk/fueller" bs=4k 2>/dev/null || true  # until the disk is full
err=$teams/err
fail() { echo "FAIL: $*"; exit 1; }

status=0
"$krv" resave "$teams/neu.krt" "$disk/team.krt" 2>"$err" || status=$?
[ "$status" = 1 ] || fail "resave on a full disk ended with $status"
grep -q "„$disk/team.krt“: Kann nicht gespeichert werden. Kein Speicherplatz mehr" "$err" || fail "message: $(cat "$err")"
grep -q "Die bisherige Datei ist unverändert." "$err" || fail "message: $(cat "$err")"
cmp -s "$teams/alt.krt" "$disk/team.krt" || fail "the old file changed"

status=0
"$krv" neu --rasse 8 --name Mensch --spieler 11,0,2,2 --marken 1 --fans 3 --cheerleader 5 "$disk/mensch.krt" \
  >/dev/null 2>"$err" || status=$?
[ "$status" = 1 ] || fail "neu on a full disk ended with $status"
grep -q "Kein Speicherplatz mehr" "$err" || fail "message: $(cat "$err")"
! grep -q "bisherige" "$err" || fail "a new file has no previous one: $(cat "$err")"

left=$(ls "$disk" | sort | tr '\n' ' ')
[ "$left" = "fueller team.krt " ] || fail "left on the disk: $left"

# With room again the same save succeeds.
rm "$disk/fueller"
"$krv" resave "$teams/neu.krt" "$disk/team.krt"
[ "$(ls "$disk")" = team.krt ] || fail "left after the save: $(ls "$disk")"
echo "PASS"
