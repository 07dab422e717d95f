#!/usr/bin/env bash
# End-to-end run of a nursery rhyme with the real pointer: the real program on a virtual screen,
# a pupil signed in, "Comptine 1" opened, every verse dragged with xdotool (button down, moves,
# button up) onto the panel in the rhyme's order, then "Terminer". Passes when the pupil's row of
# the database copy holds the mark 1 in Comptine1 and the panel turned green.
#
# Usage: scripts/e2e-rhyme.sh [program]      (default: build/programme/brindel)
#   BRINDEL_E2E_DISPLAY=:N   use that display number (default: a free one)
#   BRINDEL_E2E_SHOTS=DIR    keep the screenshots (before, during, after) in DIR
# Exits 77 (skipped) without Xvfb, xdotool, ImageMagick or sqlite3, 1 on failure.
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(realpath "${1:-build/programme/brindel}")
for tool in Xvfb xdotool xdpyinfo import convert compare sqlite3; do
  command -v "$tool" >/dev/null || { echo "e2e-rhyme: $tool is missing, skipped"; exit 77; }
done
[ -x "$program" ] || { echo "e2e-rhyme: no program at $program" >&2; exit 1; }
program_dir=$(dirname "$program")

scratch=$(mktemp -d)
shots=${BRINDEL_E2E_SHOTS:-$scratch/shots}
mkdir -p "$shots" "$scratch/cfg/VALIMOR Brindel" "$scratch/data" "$scratch/run"
chmod 700 "$scratch/run"

# A fresh copy of the database with a pupil of her own, chosen in the settings so that the first
# start asks no question.
database=$scratch/data/DbBrin.mdb
cp "$program_dir/DbBrin.mdb" "$database"
chmod 600 "$database"
sqlite3 "$database" \
  "insert into Gestion (Nom, Groupe, Motdepasse) values ('Léa', 'CE2', 'abc');"
printf '[Database]\nPath=%s\n' "$database" >"$scratch/cfg/VALIMOR Brindel/Brindel.ini"

xvfb_pid= program_pid= failed=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ -z "$failed" ]; then rm -rf "$scratch"; else echo "e2e-rhyme: files kept in $scratch" >&2; fi
}
trap cleanup EXIT

if [ -n "${BRINDEL_E2E_DISPLAY:-}" ]; then
  display=$BRINDEL_E2E_DISPLAY
  Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -ac -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
else
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -ac -nolisten tcp \
    3>"$scratch/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
  display=:$(cat "$scratch/display")
fi
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

wait_for() { # <seconds> <command...>: repeats the command until it succeeds
  local limit=$(($1 * 10))
  shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
fail() {
  failed=1
  import -window root "$shots/failure.png" 2>/dev/null || true
  echo "e2e-rhyme: $* (screen in $shots/failure.png)" >&2
  cat "$scratch/out" >&2 || true
  exit 1
}
shot() { import -window root "$shots/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }

report=$scratch/report
# A clean environment of its own; a sanitizer build keeps its options.
environment=(HOME="$scratch" DISPLAY="$display" XDG_CONFIG_HOME="$scratch/cfg"
  XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run" LANG=C.UTF-8
  BRINDEL_STARTUP_REPORT="$report")
for name in ASAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
env -i "${environment[@]}" "$program" >"$scratch/out" 2>&1 &
program_pid=$!
wait_for 60 grep -q startup_ms= "$report" 2>/dev/null || fail "no sign-in window"
sleep 0.5

# The screen is 1024 x 768: the main window's bars leave the child windows the area from
# (76, 56) to (814, 720); the positions below are those of that layout.
click 500 290           # "Tous les groupes"
click 180 280 0.3       # "Léa", after "Invité"
click 320 628 0.2       # the password box
xdotool type --delay 50 abc
click 455 627 1         # "Départ"
wait_for 20 grep -q "signed_in=Léa" "$report" || fail "the pupil could not sign in"

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
