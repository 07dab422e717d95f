#!/usr/bin/env bash
# Makes sure a PulseAudio sound server runs for this user, with a silent output and an input
# that hears it: the null sink "brindel_null" and the source "brindel_mic" remapped on its
# monitor (Qt lists no monitor source as an input), both set as the defaults. A sound played
# on the default output can thus be recorded from the default input, with no sound card.
# Idempotent: reuses a running server and loads each module once. Works as root and as a
# normal user, reads nothing from standard input, and prints the server it uses.
set -euo pipefail

if ! command -v pactl >/dev/null || ! command -v pulseaudio >/dev/null; then
  echo "start-audio: pulseaudio or pactl is missing (scripts/setup.sh installs them)" >&2
  exit 1
fi

if ! pactl info >/dev/null 2>&1 </dev/null; then
  # No configuration script (-n): only the local socket, so it starts the same anywhere,
  # with or without sound cards, and never exits for lack of clients.
  pulseaudio --daemonize=yes -n --exit-idle-time=-1 --disallow-exit \
    --load=module-native-protocol-unix --log-target=syslog </dev/null 2>/dev/null || true
  for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 </dev/null && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1 </dev/null; then
    echo "start-audio: the PulseAudio server did not start" >&2
    exit 1
  fi
fi

if ! pactl list short sinks </dev/null | cut -f2 | grep -qx brindel_null; then
  pactl load-module module-null-sink sink_name=brindel_null \
    sink_properties=device.description=Brindel-null >/dev/null </dev/null
fi
if ! pactl list short sources </dev/null | cut -f2 | grep -qx brindel_mic; then
  pactl load-module module-remap-source master=brindel_null.monitor source_name=brindel_mic \
    source_properties=device.description=Brindel-micro >/dev/null </dev/null
fi
pactl set-default-sink brindel_null </dev/null
pactl set-default-source brindel_mic </dev/null

echo "start-audio: PulseAudio at $(pactl info </dev/null | sed -n 's/^Server String: //p')," \
  "output brindel_null, input brindel_mic"
