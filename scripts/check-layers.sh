#!/usr/bin/env bash
# Fails, printing the offending include lines, when a file of src/core includes a
# ui/ header, or a folder of core includes from a higher layer. A folder may
# include from its own layer and the layers below it. Layers, lowest first:
LAYERS=(
  "text"
  "records store surface platform"
  "render"
  "course"
  "exercises search print media calc companions orders"
  "app"
)
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A rank
for i in "${!LAYERS[@]}"; do
  for folder in ${LAYERS[$i]}; do rank[$folder]=$i; done
done

faults=0
report() { echo "$1"; faults=$((faults + 1)); }

while IFS= read -r file; do
  rel=${file#src/core/}
  folder=${rel%%/*}
  if [ "$folder" = "$rel" ] || [ -z "${rank[$folder]+x}" ]; then
    report "$file: folder '${folder}' of core has no layer (add it to LAYERS in scripts/check-layers.sh)"
    continue
  fi
  while IFS= read -r hit; do
    line=${hit%%:*}
    text=${hit#*:}
    [[ $text =~ include[[:space:]]*[\<\"]([^\">]*) ]] && target=${BASH_REMATCH[1]} || target=""
    case "$target" in
      ui/*)
        report "$file:$line: $text   (core includes ui/)"
        ;;
      core/*)
        inner=${target#core/}
        to=${inner%%/*}
        if [ -z "${rank[$to]+x}" ]; then
          report "$file:$line: $text   (core/$to has no layer)"
        elif [ "${rank[$to]}" -gt "${rank[$folder]}" ]; then
          report "$file:$line: $text   ($folder may not include $to, a higher layer)"
        fi
        ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](core|ui)/' "$file" || true)
done < <(find src/core -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)

if [ "$faults" -gt 0 ]; then
  echo "check-layers: $faults fault(s) in the layer order" >&2
  exit 1
fi
echo "check-layers: every include of src/core keeps the layer order"
