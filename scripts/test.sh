#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test:
# once in a plain build (with the benchmarks, so they keep compiling) and once
# under AddressSanitizer and UndefinedBehaviorSanitizer; then builds the fuzz
# target of the clause reader with clang and fuzzes it briefly from the example
# bases, so that it cannot rot either.
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
  flags=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DORVE_BENCH=ON)
  [ "$variant" = sanitize ] && flags=(-DCMAKE_BUILD_TYPE=Debug -DORVE_SANITIZE=ON)
  cmake -S "$root" -B "$build" -G Ninja -DORVE_WERROR=ON "${flags[@]}" >/dev/null
  cmake --build "$build" -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$build" --output-on-failure -j"$jobs"
done

echo "== fuzz smoke test of the clause reader"
build="$root/build-test-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" -DORVE_FUZZ=ON -DORVE_TESTS=OFF -DORVE_WERROR=ON >/dev/null
cmake --build "$build" -j"$jobs" --target clause_reader_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/examples/BASES/*.EEB "$corpus"/
"$build/fuzz/clause_reader_fuzz" -max_total_time=20 -print_final_stats=1 "$corpus" 2>&1 | tail -n 3
