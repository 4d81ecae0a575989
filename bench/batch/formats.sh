#!/usr/bin/env bash
# Time per result pixel of every pair of working-picture format and source format, against
# 24-bit onto 24-bit.
#
#   bench/batch/formats.sh [COUNT [REPETITIONS [WIDTH HEIGHT]]]    (default 20 3 2048 1536)
#
# Generates a working picture in each format a bitmap holds (1, 4 and 8-bit paletted, 16-bit
# 5-5-5 and 5-6-5, 24 and 32-bit) and COUNT sources of WIDTH x HEIGHT in each of those and in
# RLE4 and RLE8, runs `varnova --jobs 1` (Source Erase, which reads both pictures) on every
# pair, and prints per pair the median processor time (user + system) per result pixel, less
# the time of a run without files (start-up), as a multiple of the 24-onto-24 time.
# With CALLGRIND=1 it counts instructions instead (one file per pair, under valgrind's
# callgrind), which does not depend on what else the machine runs.
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-20}
reps=${2:-3}
width=${3:-2048}
height=${4:-1536}
source bench/batch/common.sh
build_bench
make_data_folder formats
callgrind=${CALLGRIND:-0}
[[ $callgrind == 1 ]] && count=1
"$build/bench/batch/varnova_makedata" pairs "$data" "$count" "$width" "$height"
works=(1 4 8 555 565 24 32)
sources=(1 4 8 555 565 24 32 rle4 rle8)
exe="$build/app/varnova"
mkdir "$data/none"

# One measurement of a pair (or of the start-up, for source folder "none"): processor
# seconds, or instructions under callgrind.
measure() {
    local work=$1 src=$2
    rm -rf "$data/out" && mkdir "$data/out"
    local args=(--source "$data/$src" --picture "$data/work-$work.bmp" --result "$data/out"
                --jobs 1 --quiet)
    if [[ $callgrind == 1 ]]; then
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$exe" "${args[@]}" 2>&1 |
            awk '/Collected :/ {print $4}'
    else
        timed "$exe" "${args[@]}" 2>/dev/null | cut -d' ' -f2
    fi
}

declare -A results
startup=()
for ((r = 0; r < (callgrind == 1 ? 1 : reps); r++)); do
    startup+=("$(measure 24 none)")
    for w in "${works[@]}"; do
        for s in "${sources[@]}"; do
            results[$w,$s]+=" $(measure "$w" "src-$s")"
        done
    done
done
t0=$(median "${startup[@]}")
pixels=$((count * width * height))
# shellcheck disable=SC2086
base=$(median ${results[24,24]})
unit=$([[ $callgrind == 1 ]] && echo "instructions" || echo "ns")
scale=$([[ $callgrind == 1 ]] && echo 1 || echo 1e9)
printf '%d sources of %dx%d per pair, %s, start-up %s subtracted\n' "$count" "$width" \
       "$height" "$([[ $callgrind == 1 ]] && echo "instruction counts" || echo "medians of $reps, processor time")" "$t0"
awk -v b="$base" -v t="$t0" -v p="$pixels" -v s="$scale" -v u="$unit" \
    'BEGIN {printf "24 onto 24: %.3f %s per result pixel\n", (b - t) * s / p, u}'
printf 'ratio to 24 onto 24 (rows: working picture, columns: source)\n%6s' ""
printf '%7s' "${sources[@]}"
echo
worst=0 worstpair=""
for w in "${works[@]}"; do
    printf '%6s' "$w"
    for s in "${sources[@]}"; do
        # shellcheck disable=SC2086
        ratio=$(awk -v v="$(median ${results[$w,$s]})" -v b="$base" -v t="$t0" \
                'BEGIN {printf "%.2f", (v - t) / (b - t)}')
        printf '%7s' "$ratio"
        if awk -v a="$ratio" -v b="$worst" 'BEGIN {exit !(a > b)}'; then
            worst=$ratio worstpair="$w <- $s"
        fi
    done
    echo
done
echo "slowest pair: working $worstpair at $worst"
