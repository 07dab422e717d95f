#!/usr/bin/env bash
# Fuzzes the wave reader with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
# Usage: scripts/fuzz-wave.sh [runs]   (default 1000000; the corpus stays in build-fuzz/corpus)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-1000000}
out=build-fuzz
mkdir -p "$out/corpus"

qt_flags=$(pkg-config --cflags Qt6Core)
qt_libs=$(pkg-config --libs Qt6Core)
# shellcheck disable=SC2086
clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc $qt_flags fuzz/fuzz_wave.cpp src/sound/WaveFile.cpp $qt_libs -o "$out/fuzz_wave"

# Seeds: a valid recording, one with extra chunks and an odd data size.
printf 'RIFF\x2d\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x11\x2b\x00\x00\x11\x2b\x00\x00\x01\x00\x08\x00data\x05\x00\x00\x00\x00\x80\xff\x40\x20' \
  >"$out/corpus/seed-valid.wav"
printf 'RIFF\x3a\x00\x00\x00WAVELIST\x03\x00\x00\x00abc\x00fmt \x12\x00\x00\x00\x01\x00\x02\x00\x11\x2b\x00\x00\x22\x56\x00\x00\x02\x00\x08\x00\x00\x00data\x05\x00\x00\x00\x01\x02\x03\x04\x05' \
  >"$out/corpus/seed-extra.wav"

ASAN_OPTIONS=detect_leaks=1 "$out/fuzz_wave" -runs="$runs" -max_len=4096 "$out/corpus" 2>&1 |
  tee "$out/fuzz.log" | grep -E '^(#[0-9]+ +(INITED|DONE)|Done|==[0-9]+==)' || true
grep -q '^Done' "$out/fuzz.log"
