#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize, the same in an ASan + UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(bash scripts/build.sh "$@" | tail -n 1)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# A headless sound server, so the tests of real recording and playback run.
if ! bash scripts/start-audio.sh; then
  # CI must test the real sound path; elsewhere the real-sound tests are skipped.
  [ "${CI:-}" = true ] && { echo "test.sh: the sound server did not start" >&2; exit 1; }
  echo "test.sh: no sound server; the real-sound tests are skipped" >&2
fi
# A print server whose default printer writes PDF files, so the printing tests print for real.
if ! bash scripts/start-printer.sh; then
  # CI must test real printing; elsewhere the print-server test is skipped.
  [ "${CI:-}" = true ] && { echo "test.sh: the print server did not start" >&2; exit 1; }
  echo "test.sh: no print server; the print-server test is skipped" >&2
fi
exclude=()
# The browser engine runs Debian's prebuilt Chromium processes, which are not built with the
# sanitizers: the web visit is tested in the ordinary build only.
[ "${1:-}" = --sanitize ] && exclude=(-E '^tst_internet$')
ctest --test-dir "$build_dir" --output-on-failure -j 2 "${exclude[@]}"
