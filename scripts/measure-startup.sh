#!/usr/bin/env bash
# Measures the start-up of the optimised program beside the smallest Qt window, in the same run
# and on the same virtual screen: time from launch to the first window on screen, to the sign-in
# window, and the resident memory then. Each is run RUNS times (default 5), alternately, with a
# scratch settings folder that already names the sample database; the medians are printed.
# Usage: scripts/measure-startup.sh [RUNS] [PROGRAM]
#   PROGRAM defaults to the installed /usr/bin/brindel, or else the optimised build's program.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

build_dir=$(BRINDEL_BENCHMARKS=ON bash scripts/build.sh --release | tail -n 1)
program=${2:-}
if [ -z "$program" ]; then
  if [ -x /usr/bin/brindel ]; then program=/usr/bin/brindel; else program="$build_dir/programme/brindel"; fi
fi
minimal="$build_dir/bench/minimal_window"
database="$build_dir/programme/DbBrin.mdb"
[ -x /usr/bin/brindel ] && [ "$program" = /usr/bin/brindel ] && database=/usr/lib/brindel/DbBrin.mdb
scratch=$(mktemp -d)
trap 'kill ${xvfb_pid:-} 2>/dev/null || true; rm -rf "$scratch"' EXIT

export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
# A runtime folder of its own: a copy of the program running elsewhere does not count.
export XDG_RUNTIME_DIR="$scratch/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/VALIMOR Brindel" "$scratch/db"
cp "$database" "$scratch/db/DbBrin.mdb"
printf '[Database]\nPath=%s\n' "$scratch/db/DbBrin.mdb" \
  > "$XDG_CONFIG_HOME/VALIMOR Brindel/Brindel.ini"

if [ -z "${DISPLAY:-}" ]; then
  Xvfb :96 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:96
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

field() { sed -n "s/.*$1=\([0-9]*\).*/\1/p" "$2"; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
first=() signin=() rss=() min_first=() min_rss=()
for i in $(seq "$runs"); do
  report="$scratch/report-$i"
  BRINDEL_STARTUP_REPORT="$report" "$minimal" >/dev/null 2>&1
  min_first+=("$(field first_window_ms "$report")") min_rss+=("$(field rss_kb "$report")")
  BRINDEL_STARTUP_REPORT="$report" BRINDEL_STARTUP_REPORT_QUIT=1 "$program" >/dev/null 2>&1
  first+=("$(field first_window_ms "$report")") signin+=("$(field startup_ms "$report")")
  rss+=("$(field rss_kb "$report")")
  echo "run $i: minimal window ${min_first[-1]} ms ${min_rss[-1]} kB;" \
    "program first window ${first[-1]} ms, sign-in ${signin[-1]} ms, ${rss[-1]} kB"
done
echo "median, minimal Qt window: first window $(median "${min_first[@]}") ms," \
  "resident $(median "${min_rss[@]}") kB"
echo "median, $program: first window $(median "${first[@]}") ms," \
  "sign-in window $(median "${signin[@]}") ms (the splash stays at least 700 ms of it)," \
  "resident $(median "${rss[@]}") kB"
