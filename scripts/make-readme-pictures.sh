#!/usr/bin/env bash
# Draws again every picture of the README and of docs/MARKUP.md (docs/*.png,
# docs/markup/*.png) from the bundled course as it is now: the pages drawn by
# the renderer, the course window and its floating menu, the search, a video,
# the test window, the closing, update and order windows, a printed sheet.
# Usage: scripts/make-readme-pictures.sh, with a configured build/ folder
# (scripts/run.sh or cmake -S . -B build); it builds the programs it needs
# first. Look at every picture afterwards: the tests do not compare them.
# Needs xvfb, x11-utils, xdotool, imagemagick and poppler-utils (pdftoppm).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
cmake --build "$build" -j2 --target vorlane vorlane-tool course test_window
tool=$build/bin/vorlane-tool

# Pages drawn by the renderer, as the window draws them.
"$tool" render --course "$build/bin" --page 58 --png docs/formules.png
"$tool" render --course "$build/bin" --page 59 --png docs/chimie.png
VORLANE_TOOL=$tool scripts/make-markup-pictures.sh

# The course window under a virtual X server.
scripts/screenshot.sh docs/window.png
scripts/screenshot-pages.sh
scripts/screenshot-search.sh
scripts/screenshot-video.sh docs/video.png

# The test, closing, update and order windows, grabbed by their window tests.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
[ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
VORLANE_SCREENSHOT_DIR=docs VORLANE_SCREENSHOTS=docs QT_QPA_PLATFORM=offscreen "$build/tests/test_window" \
  --gtest_filter='ExoWindowTest.*:ShutdownTest.ClosingWindowShowsItsMessage:UpdateWindowTest.LabelDescribesTheInstalledSoftware:OrderFormWindowTest.SchoolFormChecksUaiAndPupils' \
  > /dev/null

# The first printed sheet of pages 200 and 201.
pdf=$(mktemp --suffix=.pdf)
trap 'rm -f "$pdf"' EXIT
QT_QPA_PLATFORM=offscreen "$tool" print --course "$build/bin" --page 200 --pdf "$pdf"
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$pdf" docs/print

echo "make-readme-pictures: docs/*.png and docs/markup/*.png written; look at each"
