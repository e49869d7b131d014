#!/usr/bin/env bash
# Whole-process benchmark of orve-cli on generated propositional bases, against
# CLIPS (Debian's `clips`) where it is installed. Run by hand; not part of ctest.
#
#   bench/run-bench.sh                 # sizes 10000 50000 100000, 5 runs each
#   SIZES="10000" RUNS=3 bench/run-bench.sh
#   CLIPS_SIZES="10000" (default)      # sizes also run under CLIPS; "" for none
#   BUILD_DIR=build-rel                # an existing Release build folder
#
# Each orve run reads the base, declines the load-time tests, runs forward
# chaining at the low level of detail in query mode and saves neither summary nor
# report. Both programs must derive the same facts. Times are medians of the
# runs (wall clock of the whole process, from its start to its end as seen by
# bench/time_run.cpp), memory the peak resident set. On a shared machine the wall clock carries other programs' load; the processor
# time (user + system) of orve-cli is given beside it, and the doubling ratios
# are computed from both.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
build=${BUILD_DIR:-$repo/build-cli-bench}
SIZES=${SIZES:-"10000 50000 100000"}
CLIPS_SIZES=${CLIPS_SIZES-"10000"} # empty: no CLIPS runs
RUNS=${RUNS:-5}
NESTED=${NESTED:-5000}
# Bases and transcripts in memory where possible: the transcript of a large run
# is tens of megabytes, and its write-back to disk would fall on the runs after it.
if [[ -d /dev/shm && -w /dev/shm ]]; then
    work=$(mktemp -d -p /dev/shm)
else
    work=$(mktemp -d)
fi
trap 'rm -rf "$work"' EXIT

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target orve-cli >/dev/null
cli="$build/src/cli/orve-cli"
have_clips=$(command -v clips || true)

# Every run is timed by time_run, which starts the program itself: no shell or
# timing program is started inside the measured time, for either engine.
timer="$work/time_run"
c++ -O2 -std=c++20 -o "$timer" "$here/time_run.cpp"

# run_timed OUT_PREFIX CMD... : runs CMD with stdin from $input, records wall
# seconds, processor seconds and peak KB; stdout goes to OUT_PREFIX.out
run_timed() {
    local prefix=$1
    shift
    local wall cpu kb
    read -r wall cpu kb < <("$timer" "$input" "$prefix.out" "$@")
    echo "$wall" >>"$prefix.secs"
    echo "$cpu" >>"$prefix.cpu"
    echo "$kb" >>"$prefix.kb"
}

median() { sort -g "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

orve_facts() { # the facts listed after the run, one a line, sorted
    awk '/^Following facts have been determined:$/ { on = 1; next }
         on && (/^$/ || /^===/) { exit }
         on { print }' "$1" | sort
}

clips_facts() {
    sed -n 's/^f-[0-9]* *(\(.*\))$/\1/p' "$1" | grep -v '^initial-fact$' | sort
}

forward_input() { # answers for reading the base and one forward run
    printf '10062\nRU%s.EEB\nn\nn\nn\n10154\n1\nNO\n2\nn\nn\n' "$1"
}

declare -A secs cpus kb
with_clips() { [[ -n $have_clips && " $CLIPS_SIZES " == *" $1 "* ]]; }

for size in $SIZES; do
    for shape in chain dag wide; do
        dir="$work/$shape-$size"
        mkdir -p "$dir"
        python3 "$here/generate_bases.py" "$shape" "$size" "$dir"
        forward_input "$shape" >"$dir/input.txt"
        printf '(load "%s.clp")\n(reset)\n(run)\n(facts)\n(exit)\n' "$shape" >"$dir/run.clp"
    done
done

# The runs are interleaved, one round over every base after another, so that
# a change in the machine's load during the benchmark falls on all sizes and
# both engines alike instead of on whichever ran at that moment.
for _ in $(seq "$RUNS"); do
    for size in $SIZES; do
        for shape in chain dag wide; do
            dir="$work/$shape-$size"
            input="$dir/input.txt"
            (cd "$dir" && run_timed "$dir/orve" "$cli")
            if with_clips "$size"; then
                input=/dev/null
                (cd "$dir" && run_timed "$dir/clips" clips -f run.clp)
            fi
        done
    done
done

printf '%-6s %7s %9s %9s %9s %9s %9s %8s\n' shape rules orve_s orve_cpu orve_MB clips_s clips_MB \
    ratio
for size in $SIZES; do
    for shape in chain dag wide; do
        dir="$work/$shape-$size"
        orve_s=$(median "$dir/orve.secs")
        orve_mb=$(awk -v k="$(median "$dir/orve.kb")" 'BEGIN { printf "%.1f", k / 1024 }')
        orve_cpu=$(median "$dir/orve.cpu")
        secs[$shape-$size]=$orve_s
        cpus[$shape-$size]=$orve_cpu
        clips_s=- clips_mb=- ratio=-
        if with_clips "$size"; then
            if ! diff <(orve_facts "$dir/orve.out") <(clips_facts "$dir/clips.out") >/dev/null; then
                echo "$shape $size: orve and CLIPS derive different facts" >&2
                exit 1
            fi
            clips_s=$(median "$dir/clips.secs")
            clips_mb=$(awk -v k="$(median "$dir/clips.kb")" 'BEGIN { printf "%.1f", k / 1024 }')
            ratio=$(awk -v a="$clips_s" -v b="$orve_s" 'BEGIN { printf "%.0fx", a / b }')
        fi
        printf '%-6s %7s %9s %9s %9s %9s %9s %8s\n' "$shape" "$size" "$orve_s" "$orve_cpu" \
            "$orve_mb" "$clips_s" "$clips_mb" "$ratio"
    done
done

# time ratio of the largest size to half of it, where both were run
echo
for shape in chain dag wide; do
    for size in $SIZES; do
        half=$((size / 2))
        if [[ -n ${secs[$shape-$half]:-} ]]; then
            awk -v s="$shape" -v h="$half" -v n="$size" -v a="${secs[$shape-$half]}" \
                -v b="${secs[$shape-$size]}" -v c="${cpus[$shape-$half]}" \
                -v d="${cpus[$shape-$size]}" 'BEGIN {
                printf "%s %d -> %d rules: %.2fx time, %.2fx processor time\n", s, h, n, b / a, d / c }'
        fi
    done
done

# reading alone: the largest base of each shape, load-time tests declined; the
# peak is also given above that of the program started and closed with no base
largest=$(echo "$SIZES" | tr ' ' '\n' | sort -n | tail -1)
echo
dir="$work/empty"
mkdir -p "$dir"
input="$dir/input.txt"
printf 'close\n' >"$input"
for _ in $(seq "$RUNS"); do (cd "$dir" && run_timed "$dir/empty" "$cli"); done
empty_kb=$(median "$dir/empty.kb")
awk -v k="$empty_kb" 'BEGIN { printf "program with no base: peak %.1f MB\n", k / 1024 }'
for shape in chain dag wide; do
    dir="$work/load-$shape"
    mkdir -p "$dir"
    python3 "$here/generate_bases.py" "$shape" "$largest" "$dir"
    input="$dir/input.txt"
    printf '10062\nRU%s.EEB\nn\nn\nn\n' "$shape" >"$input"
    for _ in $(seq "$RUNS"); do (cd "$dir" && run_timed "$dir/load" "$cli"); done
    bytes=$(stat -c %s "$dir/RU$shape.EEB")
    awk -v shape="$shape" -v n="$largest" -v b="$bytes" -v s="$(median "$dir/load.secs")" \
        -v c="$(median "$dir/load.cpu")" -v k="$(median "$dir/load.kb")" -v e="$empty_kb" 'BEGIN {
        printf "reading %s %d (%.1f MB): %.3f s (%.0f MB/s), processor %.3f s (%.0f MB/s), peak %.1f MB (%.1fx the file; %.1fx above no base)\n",
            shape, n, b / 1e6, s, b / 1e6 / s, c, b / 1e6 / c, k / 1024, k * 1024 / b, (k - e) * 1024 / b }'
done
echo

# load-time verification tests accepted on a nested base
dir="$work/nested"
mkdir -p "$dir"
python3 "$here/generate_bases.py" nested "$NESTED" "$dir"
input="$dir/input.txt"
printf '10062\nRUnested.EEB\ny\ny\ny\nn\nn\n' >"$input"
for _ in $(seq "$RUNS"); do (cd "$dir" && run_timed "$dir/nested" "$cli"); done
awk -v n="$NESTED" -v s="$(median "$dir/nested.secs")" -v k="$(median "$dir/nested.kb")" \
    'BEGIN { printf "nested base of %d rules, load-time tests run: %.3f s, peak %.1f MB\n", n, s, k / 1024 }'
