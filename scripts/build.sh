#!/usr/bin/env bash
# Installs what is missing, then configures and builds the program and its program folder.
# Usage: scripts/build.sh [--sanitize]   (build folder: build/, or build-asan/ with --sanitize)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build_dir=build
options=(-DCMAKE_BUILD_TYPE=Debug)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  options+=(-DBRINDEL_SANITIZE=ON -DBRINDEL_BENCHMARKS=OFF)
fi

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir"
echo "$build_dir"
