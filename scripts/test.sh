#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test:
# once in a plain build and once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh"

echo "== formatting"
cd "$root"
"$root/scripts/list-sources.sh" | xargs -0 -r clang-format --dry-run --Werror

for variant in plain sanitize; do
  echo "== build and test: $variant"
  build="$root/build-test-$variant"
  # Optimised without debug information: quicker to build on small machines.
  flags=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG")
  [ "$variant" = sanitize ] && flags=(-DCMAKE_BUILD_TYPE=Debug -DORVE_SANITIZE=ON)
  cmake -S "$root" -B "$build" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$build" -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$build" --output-on-failure -j"$jobs"
done
