#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in build-fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60) on a seed
# corpus made from the project's own test data. Prints, per target, the runs, the
# coverage reached and the findings; exits 1 when any target found a crash.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
root=$PWD
scripts/install-deps.sh clang libclang-rt-14-dev

if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_FUZZ=ON >/dev/null
fi
cmake --build build-fuzz --target fuzzers vorlane-mdb-reader

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vorlane-fuzz-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Fontconfig's one-time set-up is kept for the whole process: not a leak of ours.
printf 'leak:libfontconfig\nleak:FcInit\nleak:libglib\n' >build-fuzz/lsan.supp
export LSAN_OPTIONS=suppressions=$root/build-fuzz/lsan.supp
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1

# Seed corpora from the bundled course, the test data and a few hand-written inputs.
corpus=build-fuzz/corpus
rm -rf "$corpus" && mkdir -p "$corpus"/{markup,evaluator,recordfile,coursesource,rowchannel,answer,searchwords}
for f in sample/pages/*.page sample/tests/*.test; do
  cp "$f" "$corpus/coursesource/"
done
for f in sample/pages/*.page; do
  # The body of a page, with the CR LF line ends it is stored with.
  sed -n '/^@@corps/,$p' "$f" | tail -n +2 | sed 's/$/\r/' >"$corpus/markup/$(basename "$f" .page)"
done
cp fuzz/seeds/evaluator/* "$corpus/evaluator/"
cp fuzz/seeds/recordfile/* "$corpus/recordfile/"
# Solutions and typed answers of the bundled tests, and a few search entries.
n=0
for f in sample/tests/*.test; do
  grep '^solution: ' "$f" | sed 's/^solution: //' | while IFS= read -r solution; do
    n=$((n + 1))
    printf '%s\0%s' "$solution" "$(tr a-z A-Z <<<"$solution")" >"$corpus/answer/$(basename "$f" .test)-$n"
  done
done
printf 'champ, \xc3\xa9lectrique' >"$corpus/searchwords/comma"
printf 'ion ion dilution' >"$corpus/searchwords/twice"
printf '\xc3\x89LECTRIQUE + \xc5\x93uf' >"$corpus/searchwords/accents"
n=0
for f in tests/data/mdb/*.mdb; do
  build-fuzz/bin/vorlane-mdb-reader --tables "$f" "$corpus/rowchannel/tables$n" >/dev/null 2>&1 || true
  for table in Table1 Table2 Table; do
    build-fuzz/bin/vorlane-mdb-reader "$f" "$table" "$corpus/rowchannel/$table$n" >/dev/null 2>&1 || true
  done
  n=$((n + 1))
done
find "$corpus" -type f -empty -delete

status=0
printf '%-14s %10s %8s %8s %s\n' target runs cov ft findings
for target in markup evaluator recordfile coursesource rowchannel answer searchwords; do
  artifacts=build-fuzz/findings/$target
  mkdir -p "$artifacts"
  log=build-fuzz/fuzz_$target.log
  set +e
  build-fuzz/fuzz/fuzz_$target "$corpus/$target" -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo 0)
  findings=$(find "$artifacts" -type f | wc -l)
  printf '%-14s %10s %8s %8s %s\n' "$target" "${runs:-0}" "${cov:-0}" "${ft:-0}" "$findings"
  if [ "$rc" -ne 0 ] || [ "$findings" -ne 0 ]; then
    status=1
    echo "  $target: exit $rc, see $log and $artifacts/" >&2
  fi
done
exit $status
