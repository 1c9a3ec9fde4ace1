# shellcheck shell=bash
# Shared by the screenshot scripts (source it): runs a script of commands under
# a virtual X server of 1024x768 pixels, 24 bits.
#
#   in_xvfb <<'INNER'
#   build/bin/vorlane &
#   main=$(find_window "Vorlane - Dorvance")
#   ...
#   INNER
#
# The inner script runs from the caller's folder with `set -eu`, sees the
# caller's exported variables and has find_window: find_window TITLE prints the
# id of the first window whose title starts with TITLE, waiting up to 10 s
# for it (nothing when it does not come). Needs xvfb and x11-utils
# (scripts/install-deps.sh installs them).

find_window() {
  local id
  for _ in $(seq 50); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$1" 'index($0, t) {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
}

in_xvfb() {
  local inner rc=0
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
  [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
  inner=$(mktemp)
  {
    echo '#!/usr/bin/env bash'
    echo 'set -eu'
    declare -f find_window
    cat
  } > "$inner"
  chmod +x "$inner"
  xvfb-run -a -s "-screen 0 1024x768x24" "$inner" || rc=$?
  rm -f "$inner"
  return "$rc"
}
