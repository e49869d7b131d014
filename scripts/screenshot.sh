#!/usr/bin/env bash
# Makes docs/screenshot.png: starts the desktop program under a virtual X
# display (Xvfb) on a copy of the bundled example, consults it with the answers
# of the forward-run test and photographs the screen with ImageMagick's import
# while the advice dialogue is open. Run it again after changing the windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${BUILD_DIR:-$root/build}")
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target orve_screenshot_demo -j"$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/examples/." "$work/"
cd "$work/BASES"
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
  "$build/tests/gui/orve_screenshot_demo" import -window root "$work/screenshot.png"
cp "$work/screenshot.png" "$root/docs/screenshot.png"
echo "docs/screenshot.png written"
