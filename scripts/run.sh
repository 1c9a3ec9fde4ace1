#!/usr/bin/env bash
# Installs what is missing, builds (the bundled course included) and opens the
# course window on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build
exec build/bin/vorlane
