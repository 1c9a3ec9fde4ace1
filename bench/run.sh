#!/usr/bin/env bash
# The speed figures of the course window and its parts, each beside its anchor measured in the
# same run, on generated courses of 3,000 and 30,000 pages (CR LF bodies).
#   bench/run.sh [BUILD_DIR]        (default: build; the benchmarks must be built)
# Prints the machine's load first: the figures of a loaded machine are not comparable.
# BENCH_RAW=1 also prints every start of the start-up figures (on standard error).
set -euo pipefail
build="${1:-build}"
bench="$build/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/vorlane-bench-runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
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

echo "== start-up to the first page drawn, 3,000 pages, in process (Google Benchmark) =="
figures "$bench/bench_startup" --benchmark_repetitions=1
echo

# One process per start: the probe's own CPU time from the QApplication to the end
# of the first paint of the page area, the whole process's CPU time (time(1)) and
# its peak resident set. The starts are taken in turns (the empty window, the same
# in the course's program, 3,000 pages, 30,000 pages, 3,000 pages with every font
# of the system), five turns, so that each figure and its anchor share the
# machine's slow and fast moments; each figure is the median of its five starts.
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
start_once() { # NAME PROBE ARGUMENTS...: appends "probe process peak" to runs-NAME
  local runs="$work/runs-$1" probe="$2" spent rss user sys peak
  shift 2
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$bench/$probe" "$@" >"$work/probe" || return 1
  read -r spent rss <"$work/probe"
  read -r user sys peak <"$work/time"
  echo "$spent $(awk -v u="$user" -v s="$sys" 'BEGIN {print (u + s) * 1000}') $peak" >>"$runs"
}
medians() { # NAME: "probe process peak", each the median of its starts
  local runs="$work/runs-$1"
  echo "$(cut -d' ' -f1 "$runs" | median) $(cut -d' ' -f2 "$runs" | median) $(cut -d' ' -f3 "$runs" | median)"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "== start-up to the first page painted, one process per start (median of 5, taken in turns) =="
for pages in 3000 30000; do
  "$bench/bench_startprobe" --generate "$pages" "$work/start-$pages"
  "$bench/bench_startprobe" --course "$work/start-$pages" >/dev/null # the first start writes the page index cache
done
for turn in 1 2 3 4 5; do
  # The empty window as a process of its own, linked with Qt Widgets alone
  # (bench_emptyprobe), and inside the course's program (bench_startprobe --empty),
  # which loads every library the course's program links before main.
  start_once empty bench_emptyprobe --empty
  start_once linked bench_startprobe --empty
  start_once 3000 bench_startprobe --course "$work/start-3000"
  start_once 30000 bench_startprobe --course "$work/start-30000"
  # What reading its own set of fonts saves the program: FONTCONFIG_FILE names the
  # system's configuration, which the program then keeps.
  FONTCONFIG_FILE=/etc/fonts/fonts.conf start_once allfonts bench_startprobe --course "$work/start-3000"
done
[ -n "${BENCH_RAW:-}" ] && head -n 5 "$work"/runs-* >&2
read -r empty_probe empty_process empty_rss < <(medians empty)
read -r linked_probe linked_process linked_rss < <(medians linked)
echo "anchor: an empty 800 x 600 window painting a label: ${empty_probe} ms CPU from the QApplication, ${empty_process} ms CPU as a process, peak RSS $((empty_rss / 1024)) MB"
echo "the same window in the course's program: ${linked_probe} ms CPU from the QApplication, ${linked_process} ms CPU as a process (the libraries of the course loaded), peak RSS $((linked_rss / 1024)) MB"
for pages in 3000 30000; do
  read -r probe process rss < <(medians "$pages")
  echo "$pages pages: ${probe} ms CPU from the QApplication ($(ratio "$probe" "$empty_probe") x the anchor), ${process} ms CPU as a process ($(ratio "$process" "$empty_process") x), peak RSS $((rss / 1024)) MB"
done
read -r probe process rss < <(medians allfonts)
echo "3000 pages, every font of the system read: ${probe} ms CPU from the QApplication ($(ratio "$probe" "$empty_probe") x the anchor), ${process} ms CPU as a process"
echo

echo "== evaluator: typical and pathological inputs (goal: every input under 50 ms) =="
figures "$bench/bench_evaluator" --benchmark_min_time=0.05
echo

if [ -x "$bench/bench_search" ]; then
  echo "== search over every page (beside grep -i -c -F over the same bodies) =="
  figures "$bench/bench_search"
  echo
fi

if [ -x "$bench/bench_print" ]; then
  echo "== 20 pages of the generated course printed to PDF, each on its A4 sheet (goal: under 0.5 s) =="
  figures "$bench/bench_print"
  echo
fi

echo "== enormous bodies: 1 MB of one command repeated, drawn on raster surfaces (goal: under 1 s and 300 MB each) =="
echo "drawing alone, in process (bench_render):"
figures "$bench/bench_render" --benchmark_filter='EnormousBody'
echo "the whole tool, PNG written:"
tool="$build/bin/vorlane-tool"
if [ -x "$tool" ]; then
  big="$work/bodies"
  mkdir -p "$big"
  repeat() { # NAME LINE: LINE with CR LF, repeated up to 1 MB
    local line=$'\r\n' n
    line="$2$line"
    n=$(( 1048576 / ${#line} ))
    for ((i = 0; i < n; i++)); do printf '%s' "$line"; done >"$big/$1"
  }
  repeat text 'Un texte ordinaire de physique sur une ligne¶'
  repeat title-band '##DGFOND2'
  repeat picture '##IXAonde.png'
  repeat taller '##PLOUF'
  repeat fraction '##FRACΔv#Δt'
  repeat box '##RECT999999'
  repeat link '##LIERTvoir la loi#PA0012'
  head -c 1048574 /dev/zero | tr '\0' x >"$big/one-line" && printf '\r\n' >>"$big/one-line"
  for body in text title-band picture taller fraction box link one-line; do
    /usr/bin/time -f '%U %S %M' -o "$work/time" "$tool" render-markup --png "$work/body.png" \
      --data "$(dirname "$0")/../sample/data" <"$big/$body" >/dev/null 2>&1 || true
    # time(1) puts "Command exited with non-zero status" first when the tool refuses
    # (a body that is 0 pixels high): its figures are the last line.
    read -r user sys peak < <(tail -n 1 "$work/time")
    echo "$body: $(awk -v u="$user" -v s="$sys" 'BEGIN {printf "%.2f", u + s}') s CPU, peak RSS $((peak / 1024)) MB (the whole tool, PNG written)"
  done
fi
