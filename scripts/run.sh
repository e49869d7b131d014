#!/usr/bin/env bash
# Installs what is missing, builds orve-cli and starts it in the folder of the
# bundled example knowledge base.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DORVE_TESTS=OFF >/dev/null
cmake --build "$root/build" --target orve-cli -j"$(nproc)"
cd "$root/examples/BASES"
exec "$root/build/src/cli/orve-cli"
