#!/usr/bin/env bash
# The speed figures of issue "speed at scale", each beside its anchor measured in the
# same run, on generated courses of 3,000 and 30,000 pages (CR LF bodies).
#   bench/run.sh [BUILD_DIR]        (default: build; the benchmarks must be built)
# Prints the machine's load first: the figures of a loaded machine are not comparable.
set -euo pipefail
build="${1:-build}"
bench="$build/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "load: $(uptime)"
echo

# Google Benchmark's console lines, trimmed to the name, the CPU time and the counters.
figures() { "$@" --benchmark_counters_tabular=false 2>/dev/null | grep -E '^BM_' | sed -E 's/ +/ /g'; }

echo "== page index, without a window (the courses are generated in $work) =="
VORLANE_BENCH_COURSE_DIR="$work" figures "$bench/bench_pageindex"
for pages in 3000 30000; do
  db="$work/$pages/PcTs.sqlite"
  [ -f "$db" ] || continue
  if command -v sqlite3 >/dev/null; then
    # Anchor: sqlite3 reading every row of Cours (bodies included), and only the key
    # columns; ten runs, so that the 10 ms resolution of time(1) does not hide them.
    for query in 'select * from Cours' 'select Numeropage, "Index", Titre from Cours'; do
      t=$( { /usr/bin/time -f '%U %S' bash -c "for i in 1 2 3 4 5 6 7 8 9 10; do sqlite3 '$db' '$query' >/dev/null; done"; } 2>&1 | tail -1)
      echo "anchor $pages pages: sqlite3 '$query': $(awk '{printf "%.1f ms CPU", ($1+$2)*100}' <<<"$t")"
    done
  fi
done
echo

echo "== page display over every page of the generated 3,000-page course (CPU per page) =="
figures "$bench/bench_render" --benchmark_filter='EveryGeneratedPage'
echo "anchor: the typical page of bench_render (88 lines):"
figures "$bench/bench_render" --benchmark_filter='TypicalPageRaster/ratio_x10:10$'
echo

echo "== start-up to the first page drawn, 3,000 pages, in process (median of 5) =="
figures "$bench/bench_startup" --benchmark_repetitions=1
echo

echo "== evaluator: typical and pathological inputs (goal: every input under 50 ms) =="
figures "$bench/bench_evaluator" --benchmark_min_time=0.05
echo

if [ -x "$bench/bench_search" ]; then
  echo "== search over every page (beside grep -i -c -F over the same bodies) =="
  figures "$bench/bench_search"
fi
