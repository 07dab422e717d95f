#!/usr/bin/env bash
# Builds the program with its sample classroom content and opens it.
# Without a display, it runs on a virtual screen and says how to look at it.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(bash scripts/build.sh --release | tail -n 1)
program="$build_dir/programme/brindel"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  display=:${BRINDEL_XVFB_DISPLAY:-99}
  Xvfb "$display" -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  echo "No display was found: VALIMOR Brindel runs on the virtual screen $display."
  echo "To see it, take a screenshot from another terminal:"
  echo "  DISPLAY=$display import -window root brindel.png"
fi

"$program"
