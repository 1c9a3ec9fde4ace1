#!/usr/bin/env bash
# Makes the short experiment videos of the bundled course with FFmpeg's test
# sources: sample/data/chute.avi, a ball falling in front of a scale (10 images
# per second, as a chronophotography). Run it again after changing it; the
# videos are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
ffmpeg -y -loglevel error \
  -f lavfi -i "color=c=white:s=160x120:r=10:d=2" \
  -f lavfi -i "color=c=red:s=16x16:r=10:d=2" \
  -filter_complex "[0]drawgrid=w=160:h=20:t=1:c=gray@0.5[bg];[bg][1]overlay=x=72:y='4+24*t*t'" \
  -c:v mjpeg -q:v 5 sample/data/chute.avi
echo "sample/data/chute.avi"
