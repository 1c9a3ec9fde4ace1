#!/usr/bin/env bash
# Screenshots of the search: the search window with its results
# (docs/search.png) and the page opened from them, its words marked
# (docs/search-highlight.png), on the bundled course under a virtual X server.
# Usage: scripts/screenshot-search.sh [WORDS] (default "condensateur charge").
# Needs a build, xvfb, x11-utils, imagemagick and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
mkdir -p docs
export WORDS="${1:-condensateur charge}"
in_xvfb <<'INNER'
build/bin/vorlane &
pid=$!
main=$(find_window "Vorlane - Dorvance")
sleep 1
xdotool mousemove --window "$main" 575 20 click 1
search=$(find_window "Rechercher")
sleep 0.5
xdotool type --window "$search" --delay 30 "$WORDS"
xdotool key --window "$search" Return
sleep 1
import -window "$search" docs/search.png
# Double-click the second title of the list.
xdotool mousemove --window "$search" 120 152 click --repeat 2 --delay 80 1
sleep 1.5
import -window "$main" docs/search-highlight.png
kill "$pid"
INNER
echo "screenshots: docs/search.png docs/search-highlight.png"
