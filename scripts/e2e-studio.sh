#!/usr/bin/env bash
# End-to-end run of the recording studio on the real sound server: the real program on a virtual
# screen, a pupil signed in, the apple of "L'alimentation" clicked (its word is the model), the
# studio opened, "Enregistrer" clicked, the same word played on the server's output (which its
# input hears), "Arrêter" clicked. Passes when the recording box shows a take and the stars
# "★★★  Bravo !" stand beside it, and when a stretch dragged across the recording is shown
# enlarged on the light cyan of a selection.
#
# Usage: scripts/e2e-studio.sh [program]     (default: build/programme/brindel)
# (screenshots model, recorded, selected; see scripts/e2e-lib.sh for the display and shots folder)
# Exits 77 (skipped) without the tools or without a sound server, 1 on failure.
set -euo pipefail
cd "$(dirname "$0")/.."

e2e_name=e2e-studio
e2e_tools=(pactl paplay parec)
# shellcheck source=scripts/e2e-lib.sh
source scripts/e2e-lib.sh
e2e_setup "${1:-}"
if ! pactl list short sinks 2>/dev/null </dev/null | cut -f2 | grep -qx brindel_null; then
  [ "${CI:-}" = true ] && fail "no sound server: scripts/start-audio.sh must run first"
  echo "$e2e_name: no sound server with brindel_null (scripts/start-audio.sh), skipped"
  exit 77
fi
# The program runs in a home of its own: it reaches the user's sound server by its address.
PULSE_SERVER=$(pactl info </dev/null | sed -n 's/^Server String: //p')
PULSE_COOKIE=${PULSE_COOKIE:-$HOME/.config/pulse/cookie}
export PULSE_SERVER PULSE_COOKIE
e2e_display
e2e_start_and_sign_in

click 37 96 1.5          # "Ecoute et observe"
click 252 330 2          # "L'alimentation"
click 530 290 2.5        # the apple: "apple" is heard and becomes the studio's model
click 301 26 2.5         # "Studio"
shot model

# Left alone, the null sink runs at its largest latency and hands its input over seconds late;
# a listener asking for little latency makes it behave like a sound card.
parec --latency-msec=20 -d brindel_null.monitor >/dev/null </dev/null &
listener=$!
sleep 0.3
click 277 363 1.5        # "Enregistrer", then the studio's one-second wait
paplay -d brindel_null "$program_dir/MciLangue/Alimentk2.wav" </dev/null
sleep 0.6
click 340 363 2          # "Arrêter"
kill "$listener" 2>/dev/null || true
xdotool mousemove 900 700
sleep 0.3
shot recorded

# The take is drawn in cyan in the recording box, and the stars in orange (#b06000) to its
# right: count the pixels of each colour.
count() { # <crop> <colour> [screen]
  convert "$shots/${3:-recorded}.png" -crop "$1" -fuzz 20% -fill white +opaque "$2" \
    -fill black -opaque "$2" -format '%[fx:int(w*h*(1-mean))]' info:
}
wave=$(count 404x104+98+213 "rgb(0,255,255)")
[ "$wave" -gt 200 ] || fail "the recording box shows no take ($wave cyan pixels)"
stars=$(count 200x40+512+246 "rgb(176,96,0)")
[ "$stars" -gt 150 ] || fail "no stars beside the recording ($stars orange pixels)"

# A stretch dragged with the pointer across the recording is drawn enlarged on light cyan.
xdotool mousemove 200 266 mousedown 1
sleep 0.1
for x in 220 240 260 280 300; do
  xdotool mousemove "$x" 266
  sleep 0.05
done
xdotool mouseup 1
sleep 1.5
shot selected
selection=$(count 404x104+98+213 "rgb(192,255,255)" selected)
[ "$selection" -gt 20000 ] || fail "no stretch selected ($selection light cyan pixels)"
echo "e2e-studio: the word played during the take is drawn and judged with stars, and a" \
  "stretch of it selected; screens in $shots"
