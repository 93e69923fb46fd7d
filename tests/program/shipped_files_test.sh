#!/usr/bin/env bash
# The files shipped with the program match what the code asks for: every help topic a window
# opens (F1) has its section in the handbook, every link and picture of the handbook leads
# somewhere, and every sound the code plays exists under exactly that name (Linux file names
# are case-sensitive: "nicht16.WAV" is not "nicht16.wav").
# Usage: shipped_files_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
help=$source_dir/share/Dok/Hilfe.html
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
anchors=$(grep -o '<a name="[A-Z_]*"' "$help" | sed 's/.*"\(.*\)"/\1/' | sort)
has_anchor() { grep -qx "$1" <<<"$anchors"; }

# The handbook's sections for the windows of the program, and every key the code uses.
required="NEW_TEAM OWN_TEAM TEAM_PERSONAL TEAM_PLAYER TEAM_AUSGABEN TEAM_EINNAHMEN TEAM_GAME TEAM_MISC
          PLAYER_CHANGE PLAYER_FERTIGKEITEN PLAYER_NEW PLAYER_DELETE TEAM_KOPF TEAMWERT EIGENSCHAFTEN VOLK_AENDERN"
used=$(grep -rhoE '"#[A-Z][A-Z_]+"' "$source_dir/src" | tr -d '"#' | sort -u)
[ -n "$used" ] || fail "found no help keys in the code"
for key in $required $used; do has_anchor "$key" || fail "Hilfe.html has no section #$key"; done
[ "$(uniq -d <<<"$anchors")" = "" ] || fail "Hilfe.html has a section twice: $(uniq -d <<<"$anchors")"

for link in $(grep -oE 'href="#[A-Z_]+"' "$help" | sed 's/href="#\(.*\)"/\1/' | sort -u); do
  has_anchor "$link" || fail "Hilfe.html links to #$link, which does not exist"
done
for picture in $(grep -oE '<img src="[^"]+"' "$help" | sed 's/<img src="\(.*\)"/\1/'); do
  [ -f "$source_dir/share/Dok/$picture" ] || fail "Hilfe.html shows $picture, which does not exist"
done

# What the handbook says about the rules: the own race's positions as the builder offers them,
# and the head coach outside the team value.
own_race=$(sed -n '/Eine eigene Rasse entwerfen/,/<\/table>/p' "$help")
for position in Feldspieler Fänger Werfer Superspieler; do
  grep -q "<td>$position</td>" <<<"$own_race" || fail "the own race's table lacks the position $position"
done
! grep -qi 'Blitzer' <<<"$own_race" || fail "the own race's table names a Blitzer, which the builder does not offer"
grep -q 'Der Trainer zählt nicht mit' "$help" || fail "the handbook does not say that the head coach is not in the team value"

sounds=$(grep -rhoE '"(Sounds/)?[A-Za-z0-9-]+\.(wav|WAV)"' "$source_dir/src" | tr -d '"' | sed 's|^Sounds/||' | sort -u)
[ -n "$sounds" ] || fail "found no sounds in the code"
for sound in $sounds; do
  [ -f "$source_dir/share/Sounds/$sound" ] || fail "the program plays Sounds/$sound, which does not exist"
done

[ "$failures" = 0 ] || exit 1
echo "1 passed, 0 failed"
