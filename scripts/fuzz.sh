#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang and libFuzzer (ASan + UBSan) and runs
# each for a number of inputs: scripts/fuzz.sh [runs] (default 1000000).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-1000000}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc)

clang++ "${flags[@]}" fuzz/fuzz_hotspots.cpp src/shell/controls/HotspotMap.cpp -o "$out/fuzz_hotspots"
clang++ "${flags[@]}" fuzz/fuzz_avi.cpp src/shell/controls/MjpegAvi.cpp -o "$out/fuzz_avi"

for target in hotspots avi; do
  corpus="$out/corpus_$target"
  mkdir -p "$corpus"
  cp -n fuzz/seeds/$target/* "$corpus"/ 2>/dev/null || true
  "$out/fuzz_$target" -runs="$runs" -max_len=65536 -print_final_stats=1 "$corpus"
done
