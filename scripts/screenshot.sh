#!/usr/bin/env bash
# Takes a screenshot of the course window on the bundled course under a virtual
# X server: scripts/screenshot.sh [OUTPUT.png] (default docs/window.png).
# Needs a build (scripts/run.sh or cmake --build build) and xvfb, x11-utils and
# imagemagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/window.png}
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
import -window "${id:-root}" "$OUT"
kill "$pid"
INNER
chmod +x "$inner"
OUT="$out" xvfb-run -a -s "-screen 0 1024x768x24" "$inner"
echo "screenshot: $out"
