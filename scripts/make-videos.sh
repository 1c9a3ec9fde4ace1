#!/usr/bin/env bash
# Makes the short experiment videos of the bundled course (sample/data/*.avi)
# with scripts/make-videos.py: frames drawn with ImageMagick, encoded by FFmpeg.
# Run it again after changing a clip (name clips to make only those); the
# videos are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 scripts/make-videos.py "$@"
