#!/usr/bin/env bash
# Takes a screenshot of the course window playing a bundled video under a
# virtual X server: scripts/screenshot-video.sh [OUTPUT.png] (default
# docs/video.png). It opens "Physique", follows the link to page 60 ("La chute
# libre verticale"), presses play and takes the picture a little later. Needs a build
# and xvfb, x11-utils, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/video.png}
mkdir -p "$(dirname "$out")"
inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat > "$inner" <<'INNER'
#!/usr/bin/env bash
set -eu
build/bin/vorlane &
pid=$!
for _ in $(seq 50); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Vorlane - Dorvance/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.2
done
sleep 1
click() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep "$3"; }
click 230 20 1.5    # Physique: page 28
click 234 459 1.5   # "La chute libre verticale": page 60
click 113 555 ${VIDEO_DELAY:-1.6}   # play
import -window "${id:-root}" "$OUT"
kill "$pid"
INNER
chmod +x "$inner"
OUT="$out" xvfb-run -a -s "-screen 0 1024x768x24" "$inner"
echo "screenshot: $out"
