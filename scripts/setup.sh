#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the program need.
# Idempotent, never prompts, and reads nothing from standard input.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang pkg-config ccache libsqlite3-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6sql6-sqlite
  qt6-qpa-plugins qt6-image-formats-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-webengine-dev libfftw3-dev
  # packaging: the Debian package, its desktop entry and metainfo checks
  dpkg-dev file appstream desktop-file-utils lintian
  # printing on a real print server (a PDF printer in tests)
  cups cups-client cups-bsd printer-driver-cups-pdf
  # running: sound, fonts, display
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-pulseaudio
  pulseaudio pulseaudio-utils fonts-noto-color-emoji fonts-dejavu-core
  xvfb xauth x11-utils xdotool
  # fuzzing the file readers (scripts/fuzz.sh)
  libclang-rt-14-dev
  # content generation and checks
  espeak-ng sox imagemagick poppler-utils sqlite3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q </dev/null
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
