#!/usr/bin/env bash
# Takes a screenshot of the course window on its home page, on the bundled
# course under a virtual X server: scripts/screenshot.sh [OUTPUT.png] (default
# docs/window.png). Needs a build (scripts/run.sh or cmake --build build) and
# xvfb, x11-utils and imagemagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
OUT=${1:-docs/window.png}
mkdir -p "$(dirname "$OUT")"
export OUT
in_xvfb <<'INNER'
build/bin/vorlane &
pid=$!
id=$(find_window "Vorlane - Dorvance")
# The page's links are placed once the window is shown: let them come.
sleep 2
import -window "${id:-root}" "$OUT"
kill "$pid"
INNER
echo "screenshot: $OUT"
