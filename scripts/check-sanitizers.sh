#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, so that float-to-integer overflows are checked too) in build-asan/ and
# runs the whole test suite there; any sanitizer report fails its test.
#   scripts/check-sanitizers.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh clang libclang-rt-14-dev
if [ ! -f build-asan/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORLANE_SANITIZE=ON >/dev/null
fi
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vorlane-test-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
printf 'leak:libfontconfig\nleak:FcInit\nleak:libglib\nleak:libQt6\n' >build-asan/lsan.supp
export LSAN_OPTIONS=suppressions=$root/build-asan/lsan.supp
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" "$@"
