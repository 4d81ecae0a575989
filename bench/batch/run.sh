#!/usr/bin/env bash
# Times the batch command line against copying the same source files with cp, in one run.
#
#   bench/batch/run.sh [COUNT [REPETITIONS [WIDTH HEIGHT]]]      (default 200 5 1024 768)
#
# Generates COUNT 24-bit sources and a working picture in a temporary folder, then alternates
# `cp` of the sources and `varnova` (default options) on them, and prints the medians.
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-200}
reps=${2:-5}
width=${3:-1024}
height=${4:-768}
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DVARNOVA_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target varnova varnova_makedata >/dev/null
data=$(mktemp -d "${TMPDIR:-/tmp}/varnova-bench.XXXXXX")
trap 'rm -rf "$data"' EXIT
"$build/bench/batch/varnova_makedata" bench "$data" "$count" "$width" "$height"
bytes=$(du -cb "$data"/src/*.bmp | tail -1 | cut -f1)

now() { date +%s%N; }
cp_times=()
run_times=()
for ((r = 0; r < reps; r++)); do
    rm -rf "$data/cp" "$data/out"
    mkdir "$data/cp" "$data/out"
    sync
    t0=$(now); cp "$data"/src/*.bmp "$data/cp/"; t1=$(now)
    cp_times+=($((t1 - t0)))
    t0=$(now)
    "$build/app/varnova" --source "$data/src" --picture "$data/work.bmp" --result "$data/out" --quiet
    t1=$(now)
    run_times+=($((t1 - t0)))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
cp_ns=$(median "${cp_times[@]}")
run_ns=$(median "${run_times[@]}")
awk -v n="$count" -v b="$bytes" -v c="$cp_ns" -v v="$run_ns" -v reps="$reps" \
    -v w="$width" -v h="$height" -v jobs="$(nproc)" 'BEGIN {
    printf "%d sources of %dx%d 24-bit (%.1f MB), %d repetitions, medians, %d cores\n",
           n, w, h, b / 1e6, reps, jobs
    printf "  cp       %7.3f s  %8.1f files/s  %8.1f MB/s\n", c / 1e9, n / (c / 1e9), b / 1e6 / (c / 1e9)
    printf "  varnova  %7.3f s  %8.1f files/s  %8.1f MB/s\n", v / 1e9, n / (v / 1e9), b / 1e6 / (v / 1e9)
    printf "  ratio varnova / cp: %.2f\n", v / c
}'
