#!/usr/bin/env bash
# Takes a screenshot of the course window playing a bundled video under a
# virtual X server: scripts/screenshot-video.sh [OUTPUT.png] (default
# docs/video.png). It opens "Physique", follows the link to page 60 ("La chute
# libre verticale"), presses play and takes the picture a little later. Needs a build
# and xvfb, x11-utils, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
OUT=${1:-docs/video.png}
mkdir -p "$(dirname "$OUT")"
export OUT VIDEO_DELAY=${VIDEO_DELAY:-1.6}
in_xvfb <<'INNER'
build/bin/vorlane &
pid=$!
id=$(find_window "Vorlane - Dorvance")
sleep 1
click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep "$3"; }
click 230 20 1.5    # Physique: page 28
click 234 459 1.5   # "La chute libre verticale": page 60
click 113 555 "$VIDEO_DELAY"   # play
import -window "${id:-root}" "$OUT"
kill "$pid"
INNER
echo "screenshot: $OUT"
