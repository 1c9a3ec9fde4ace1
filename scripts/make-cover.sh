#!/usr/bin/env bash
# Draws the cover picture of the bundled course, sample/data/couvT.jpg, with a
# small QPainter program (scripts/cover/makecover.cpp). Run it again after
# changing the drawing; the picture is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -fPIC -O1 -o "$tmp/makecover" scripts/cover/makecover.cpp $(pkg-config --cflags --libs Qt6Gui)
"$tmp/makecover" sample/data/couvT.jpg
echo "make-cover: wrote sample/data/couvT.jpg"
