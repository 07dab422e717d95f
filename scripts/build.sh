#!/usr/bin/env bash
# Installs what is missing, then configures and builds the program and its program folder.
# Usage: scripts/build.sh [--sanitize | --release]
#   (default)   Debug build with the tests and benchmarks, in build/
#   --sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   --release   optimised build of the program alone (RelWithDebInfo), in build-release/
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build_dir=build
options=(-DCMAKE_BUILD_TYPE=Debug)
case "${1:-}" in
--sanitize)
  build_dir=build-asan
  options+=(-DBRINDEL_SANITIZE=ON -DBRINDEL_BENCHMARKS=OFF) ;;
--release)
  build_dir=build-release
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRINDEL_TESTS=OFF
           -DBRINDEL_BENCHMARKS="${BRINDEL_BENCHMARKS:-OFF}") ;;
esac

# A compiler cache shared by every clone of the project: paths are taken relative to the clone.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  export CCACHE_SLOPPINESS=time_macros,include_file_mtime,include_file_ctime
  options+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$build_dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build_dir"
echo "$build_dir"
