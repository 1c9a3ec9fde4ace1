#!/usr/bin/env bash
# Checks the layers of src/core: a folder includes only from its own layer or a
# lower one, and core never includes ui/. Layers, lowest first:
#   text < records, store, surface, platform < render < course
#        < exercises, search, print, media, calc < app
# Folders of one layer do not include each other. Prints every include that
# breaks the order and exits 1; exits 0 when there is none.
set -u
cd "$(dirname "$0")/.."
rank() {
  case "$1" in
    text) echo 0 ;;
    records | store | surface | platform) echo 1 ;;
    render) echo 2 ;;
    course) echo 3 ;;
    exercises | search | print | media | calc) echo 4 ;;
    app) echo 5 ;;
    *) echo unknown ;;
  esac
}
status=0
while IFS= read -r hit; do
  file=${hit%%:*}
  include=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$hit")
  from=$(cut -d/ -f3 <<<"$file")
  case "$include" in
    ui/*) echo "$file: core includes $include"; status=1; continue ;;
    core/*) to=$(cut -d/ -f2 <<<"$include") ;;
    *) continue ;;
  esac
  rf=$(rank "$from")
  rt=$(rank "$to")
  if [ "$rf" = unknown ] || [ "$rt" = unknown ]; then
    echo "$file: folder without a layer ($from includes $include): add it to scripts/check-layers.sh"
    status=1
  elif [ "$rt" -gt "$rf" ] || { [ "$rt" -eq "$rf" ] && [ "$from" != "$to" ]; }; then
    echo "$file: $from includes $include (a higher layer or a sibling)"
    status=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' src/core)
[ "$status" -eq 0 ] && echo "layers: ok"
exit "$status"
