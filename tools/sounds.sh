#!/usr/bin/env bash
# Makes every sound the program plays into share/Sounds: short signal tones from sox and a few
# spoken words from espeak-ng, as 16-bit mono WAV at 11025 Hz (small, and played by every
# audio back end). Run again after changing a sound; the result is committed.
#
# Licence: the sounds are made by this script alone, from synthesised tones and the speech
# synthesiser's own voice; no recording or sample of anyone else is used. They are released
# under CC0 1.0 (public domain dedication), like the script's output always is; sox and
# espeak-ng are only the tools (GPL), their licences do not extend to what they produce.
#
# Needs sox and espeak-ng (Debian packages sox, espeak-ng).
set -euo pipefail
out=$(cd "$(dirname "$0")/../share/Sounds" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rate=11025
format=(-D -r "$rate" -c 1 -b 16 -e signed-integer)  # -D: no dither, so a rerun gives the same bytes

# A spoken German phrase, slightly slow and a little louder.
say() {  # say FILE TEXT [PITCH]
  espeak-ng -v de -s 160 -p "${3:-45}" -w "$work/speech.wav" "$2"
  # without the synthesiser's silence before and after
  sox "$work/speech.wav" "${format[@]}" "$1" silence 1 0.02 1% reverse silence 1 0.02 1% reverse gain -n -2
}
# A sequence of notes: tone NOTE SECONDS [NOTE SECONDS ...] with a soft plucked sound.
tones() {  # tones FILE NOTE SECONDS ...
  local file=$1 parts=() i=0
  shift
  while [ $# -gt 0 ]; do
    sox -n "${format[@]}" "$work/n$i.wav" synth "$2" pluck "$1" fade 0 "$2" 0.05
    parts+=("$work/n$i.wav")
    i=$((i + 1))
    shift 2
  done
  sox "${parts[@]}" "${format[@]}" "$file" gain -n -3
}

# Staff leave the team.
say "$out/Sa-geht.wav" "Der Sani geht."
say "$out/Za-geht.wav" "Der Zauberer geht."
say "$out/Ch-geht.wav" "Die Cheerleaderin geht." 60
say "$out/Co-geht.wav" "Der Cotrainer geht."
# Money: coins going out (falling) and coming in (rising).
tones "$out/NeueAusgabe.wav" E6 0.08 C6 0.08 A5 0.16
tones "$out/NeueEinnahme.wav" A5 0.08 C6 0.08 E6 0.08 A6 0.2
# A fanfare for a win, a falling line for a loss.
tones "$out/Gewonnen.wav" C5 0.12 E5 0.12 G5 0.12 C6 0.45
tones "$out/Verloren.wav" G4 0.25 F#4 0.25 F4 0.25 E4 0.6
# The last fan is gone; a player has died; a setting beyond the rules.
say "$out/KeineFans.wav" "Keine Fans mehr!" 35
sox -n "${format[@]}" "$work/bell.wav" synth 1.2 pluck A2 fade 0 1.2 0.8
say "$work/tot.wav" "Mausetot." 25
sox "$work/bell.wav" "$work/tot.wav" "${format[@]}" "$out/Tod.wav"
sox -n "${format[@]}" "$work/buzz.wav" synth 0.35 square 110 gain -12 fade 0 0.35 0.05
say "$work/regel.wav" "Mehr als sechzehn ist gegen die Regeln."
sox "$work/buzz.wav" "$work/regel.wav" "${format[@]}" "$out/nicht16.WAV"

ls -l "$out"
