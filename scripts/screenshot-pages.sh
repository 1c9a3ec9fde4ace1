#!/usr/bin/env bash
# Screenshots of the course window reached through the floating menu of the
# home page, on the bundled course under a virtual X server: the menu open
# (docs/menu.png), the progress table of page 68 (docs/table.png) and the
# titration curve of page 69 (docs/picture.png). Needs a build, xvfb,
# x11-utils, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
mkdir -p docs
in_xvfb <<'INNER'
build/bin/vorlane &
pid=$!
id=$(find_window "Vorlane - Dorvance")
sleep 3
click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep "$3"; }
shot() { xdotool mousemove --window "$id" 790 300; sleep 1; import -window "$id" "$1"; }
# The menu is a window of its own over the course window: take the screen
# where the course window is.
geometry() {
  xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {printf "%dx%d+%d+%d", w, h, x, y}'
}
# The "Accès rapide" icon of the home page opens its menu, whose entries are
# chosen with the keyboard: the third is "Chimie : le titrage pH-métrique"
# (page 69), the fourth "Chimie : le tableau d'avancement" (page 68).
click 305 330 2
import -window root -crop "$(geometry)" +repage docs/menu.png
xdotool key Down Down Down Down Return
sleep 3
shot docs/table.png
click 20 20 3       # back to the home page
click 305 330 2
xdotool key Down Down Down Return
sleep 3
shot docs/picture.png
kill "$pid"
INNER
echo "screenshots: docs/menu.png docs/table.png docs/picture.png"
