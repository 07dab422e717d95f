#!/usr/bin/env bash
# Measures the start-up of the real program: time from launch to the sign-in window on screen,
# and the resident memory at that moment. Runs the program RUNS times (default 5) on a virtual
# screen with a scratch settings folder that already names the sample database, and prints
# each run and the median.
# Usage: scripts/measure-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

build_dir=$(bash scripts/build.sh | tail -n 1)
program="$build_dir/programme/brindel"
scratch=$(mktemp -d)
trap 'kill ${xvfb_pid:-} 2>/dev/null || true; rm -rf "$scratch"' EXIT

export XDG_CONFIG_HOME="$scratch/config"
# A runtime folder of its own: a copy of the program running elsewhere does not count.
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/VALIMOR Brindel"
printf '[Database]\nPath=%s\n' "$(realpath "$build_dir/programme/DbBrin.mdb")" \
  > "$XDG_CONFIG_HOME/VALIMOR Brindel/Brindel.ini"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :96 -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:96
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

times=()
for i in $(seq "$runs"); do
  report="$scratch/report-$i"
  BRINDEL_STARTUP_REPORT="$report" BRINDEL_STARTUP_REPORT_QUIT=1 "$program" >/dev/null 2>&1
  line=$(cat "$report")
  echo "run $i: $line"
  times+=("$(echo "$line" | sed 's/startup_ms=\([0-9]*\).*/\1/')")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
echo "median start-up: ${median} ms (the splash stays at least 700 ms of it)"
