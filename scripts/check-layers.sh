#!/usr/bin/env bash
# Fails when a file of the core includes a folder above its own in the stack
# drawn in the README. Run by CTest; takes the source root as its argument.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
core="$root/src/core"

# Bottom to top; folders on one line are peers and may not include each other.
layers=(
  "kb"
  "report"
  "askables"
  "state"
  "verify models"
  "model_verify"
  "loading chaining ui"
  "import"
  "files"
  "tools batch"
  "app"
)

declare -A level
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do level[$folder]=$i; done
done

status=0
for dir in "$core"/*/; do
  folder=$(basename "$dir")
  if [ -z "${level[$folder]+set}" ]; then
    echo "src/core/$folder: folder missing from the stack in scripts/check-layers.sh"
    status=1
    continue
  fi
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$line")
    [ "$target" = "$folder" ] && continue
    if [ -z "${level[$target]+set}" ] || [ "${level[$target]}" -ge "${level[$folder]}" ]; then
      echo "${file#"$root"/}: includes $target/, which is not below $folder/"
      status=1
    fi
  done < <(grep -HE '^#include "[a-z_]+/' "$dir"*.cpp "$dir"*.hpp 2>/dev/null || true)
done
[ $status -eq 0 ] && echo "layers: every include of src/core points down the stack"
exit $status
