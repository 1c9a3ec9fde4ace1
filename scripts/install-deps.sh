#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vorlane need.
# Idempotent: when dpkg already has every package, nothing is fetched or run.
# Packages named as arguments are installed too (the fuzzing and sanitizer
# scripts ask for clang this way).
set -euo pipefail

PACKAGES=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite libsqlite3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  mdbtools-dev libglib2.0-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libswresample-dev
  libxcb1-dev libxcb-res0-dev libfontconfig-dev
  # fonts the pages are drawn with
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core fonts-urw-base35 fonts-noto-core
  # running and testing
  xvfb xauth x11-utils imagemagick poppler-utils ffmpeg
  # small X clients of the companion-closing tests (tests/x11)
  python3-tk
  # screenshots of the search window (scripts/screenshot-search.sh)
  xdotool
  # style (scripts/check-format.sh): clang-format 14 on Debian 12
  clang-format
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
