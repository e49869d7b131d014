#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in the folder of
# the bundled example knowledge base: the desktop program orve when a display
# is available ($DISPLAY or $WAYLAND_DISPLAY set), the terminal program
# orve-cli otherwise (or when Qt 6 could not be found).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DORVE_TESTS=OFF >/dev/null
program=orve-cli
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && grep -q '^ORVE_GUI:BOOL=ON' "$root/build/CMakeCache.txt"; then
  program=orve
fi
cmake --build "$root/build" --target "$program" -j"$(nproc)"
cd "$root/examples/BASES"
if [ "$program" = orve ]; then
  exec "$root/build/src/gui/orve"
fi
exec "$root/build/src/cli/orve-cli"
