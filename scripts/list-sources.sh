#!/usr/bin/env bash
# Prints the C++ sources of the project (src, tests, fuzz, bench) relative to the
# repository root, each ended by a NUL byte, in sorted order. Build folders are
# left out. Uses find only, so it also works in a copy without version control.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
find src tests fuzz bench -type d -name 'build*' -prune \
  -o -type f \( -name '*.cpp' -o -name '*.hpp' \) -print0 | LC_ALL=C sort -z
