#!/usr/bin/env bash
# Fails, listing them, when C++ files of src, tests, bench and fuzz differ from what
# clang-format makes of them with the project's .clang-format. Reformat one with
# `clang-format -i FILE`. CLANG_FORMAT names another binary (default clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "check-format: $format not found (scripts/install-deps.sh installs it)" >&2
  exit 2
fi
dirs=()
for d in src tests bench fuzz; do [ -d "$d" ] && dirs+=("$d"); done
mapfile -t files < <(find "${dirs[@]}" -path tests/data -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print | LC_ALL=C sort)
bad=()
for f in "${files[@]}"; do
  if ! "$format" --dry-run --Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -gt 0 ]; then
  printf '%s\n' "${bad[@]}"
  echo "check-format: ${#bad[@]} of ${#files[@]} files differ from .clang-format" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
