#!/usr/bin/env bash
# End-to-end run of a nursery rhyme with the real pointer: the real program on a virtual screen,
# a pupil signed in, "Comptine 1" opened, every verse dragged with xdotool (button down, moves,
# button up) onto the panel in the rhyme's order, then "Terminer". Passes when the pupil's row of
# the database copy holds the mark 1 in Comptine1 and the panel turned green.
#
# Usage: scripts/e2e-rhyme.sh [program]      (default: build/programme/brindel)
# (screenshots before, during, after; see scripts/e2e-lib.sh for the display and shots folder)
# Exits 77 (skipped) without Xvfb, xdotool, ImageMagick or sqlite3, 1 on failure.
set -euo pipefail
cd "$(dirname "$0")/.."

e2e_name=e2e-rhyme
# shellcheck source=scripts/e2e-lib.sh
source scripts/e2e-lib.sh
e2e_setup "${1:-}"
e2e_display
e2e_start_and_sign_in

click 37 457 1.2        # the rhymes' button
click 239 250 1.5       # "Comptine 1" in the chooser
click 967 597 1         # "Démarrer"
xdotool mousemove 900 700
sleep 0.3
shot before

# The verses of rhyme 1 in their order, and the place of each on screen: every place is matched
# against the verse texts drawn in the verse labels' font.
mapfile -t verses < <(sqlite3 "$database" \
  "select Vers from Compte where Numero in ('101','102','103','104') order by Numero;")
[ "${#verses[@]}" -eq 4 ] || fail "rhyme 1 has ${#verses[@]} verses in the database"
window_x=76 window_y=56 verse_left=36 first_top=46 spacing=40
declare -A place_of
for p in 0 1 2 3; do
  y=$((window_y + first_top + p * spacing))
  convert "$shots/before.png" -crop "330x24+$((window_x + verse_left - 2))+$((y - 2))" \
    -colorspace Gray -threshold 50% -trim +repage -resize '240x16!' "$scratch/place$p.png"
done
for k in 0 1 2 3; do
  convert -font DejaVu-Sans-Bold -pointsize 15 label:"${verses[k]}" \
    -threshold 50% -trim +repage -resize '240x16!' "$scratch/verse$k.png"
  best=-1 best_score=0
  for p in 0 1 2 3; do
    score=$(compare -metric NCC "$scratch/verse$k.png" "$scratch/place$p.png" null: 2>&1 || true)
    if awk -v s="$score" -v b="$best_score" 'BEGIN { exit !(s > b) }'; then
      best=$p best_score=$score
    fi
  done
  awk -v s="$best_score" 'BEGIN { exit !(s > 0.7) }' || fail "verse \"${verses[k]}\" not found"
  place_of[$k]=$best
done
[ "$(printf '%s\n' "${place_of[@]}" | sort -u | wc -l)" -eq 4 ] || fail "two verses in one place"

# Each verse is pressed, carried in small steps over the other verses to the panel (the area
# right of the verses), and released there.
panel_x=628 panel_y=256
for k in 0 1 2 3; do
  y=$((window_y + first_top + place_of[$k] * spacing + 10))
  xdotool mousemove 200 "$y"
  sleep 0.15
  xdotool mousedown 1
  sleep 0.15
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((200 + (panel_x - 200) * step / 8)) $((y + (panel_y - y) * step / 8))
    sleep 0.05
  done
  [ "$k" -eq 1 ] && shot during
  xdotool mouseup 1
  sleep 0.4
done
click 869 553 1         # "Terminer"
xdotool mousemove 900 700
sleep 0.3
shot after

mark=$(sqlite3 "$database" "select Comptine1 from Gestion where Nom = 'Léa';")
[ "$mark" = 1 ] || fail "Comptine1 of Léa holds '$mark', not 1"
# The panel's text is green (&H8000) when the rhyme is right: count its green pixels.
green=$(convert "$shots/after.png" -crop "300x120+$((panel_x - 150))+$((window_y + first_top))" \
  -fill white +opaque "rgb(0,128,0)" -fill black -opaque "rgb(0,128,0)" \
  -format '%[fx:int(w*h*(1-mean))]' info:)
[ "$green" -gt 100 ] || fail "the panel is not green ($green green pixels)"
echo "e2e-rhyme: rhyme 1 rebuilt with the pointer, mark 1 stored, panel green; screens in $shots"
