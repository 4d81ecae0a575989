#!/usr/bin/env bash
# Times the batch command line against copying the same source files with cp, in one run.
#
#   bench/batch/run.sh [COUNT [REPETITIONS [WIDTH HEIGHT]]]      (default 200 5 1024 768)
#
# Generates COUNT 24-bit sources and a working picture in a temporary folder, then alternates
# `cp` of the sources and `varnova` (default options) on them, and prints the medians.
# With BASELINE=/path/to/an/older/varnova that binary is timed too, in the same alternation,
# so a change can be compared on a shared machine under the same load.
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-200}
reps=${2:-5}
width=${3:-1024}
height=${4:-768}
source bench/batch/common.sh
build_bench
make_data_folder bench
"$build/bench/batch/varnova_makedata" bench "$data" "$count" "$width" "$height"
bytes=$(du -cb "$data"/src/*.bmp | tail -1 | cut -f1)

baseline=${BASELINE:-}
cp_wall=() cp_cpu=() run_wall=() run_cpu=() base_wall=() base_cpu=()
for ((r = 0; r < reps; r++)); do
    rm -rf "$data/cp" "$data/out"
    mkdir "$data/cp" "$data/out"
    read -r w c < <(timed cp "$data"/src/*.bmp "$data/cp/")
    cp_wall+=("$w") cp_cpu+=("$c")
    # With a baseline the two binaries take turns at running first, so neither always meets
    # the write-back that cp leaves behind.
    for turn in 0 1; do
        if (( (turn + r) % 2 == 0 )); then
            rm -rf "$data/out" && mkdir "$data/out"
            read -r w c < <(timed "$build/app/varnova" --source "$data/src" \
                                  --picture "$data/work.bmp" --result "$data/out" --quiet)
            run_wall+=("$w") run_cpu+=("$c")
        elif [[ -n "$baseline" ]]; then
            rm -rf "$data/out" && mkdir "$data/out"
            read -r w c < <(timed "$baseline" --source "$data/src" --picture "$data/work.bmp" \
                                  --result "$data/out" --quiet)
            base_wall+=("$w") base_cpu+=("$c")
        fi
    done
done
awk -v n="$count" -v b="$bytes" -v reps="$reps" -v w="$width" -v h="$height" -v cores="$(nproc)" \
    -v cw="$(median "${cp_wall[@]}")" -v cc="$(median "${cp_cpu[@]}")" \
    -v vw="$(median "${run_wall[@]}")" -v vc="$(median "${run_cpu[@]}")" 'BEGIN {
    printf "%d sources of %dx%d 24-bit (%.1f MB), %d repetitions, medians, %d cores\n",
           n, w, h, b / 1e6, reps, cores
    printf "  cp       %6.3f s wall  %6.3f s cpu  %7.1f files/s  %7.1f MB/s\n", cw, cc, n / cw, b / 1e6 / cw
    printf "  varnova  %6.3f s wall  %6.3f s cpu  %7.1f files/s  %7.1f MB/s\n", vw, vc, n / vw, b / 1e6 / vw
    printf "  ratio varnova / cp: %.2f wall, %.2f cpu\n", vw / cw, vc / cc
}'
if [[ -n "$baseline" ]]; then
    awk -v n="$count" -v cw="$(median "${cp_wall[@]}")" -v cc="$(median "${cp_cpu[@]}")" \
        -v vw="$(median "${run_wall[@]}")" -v vc="$(median "${run_cpu[@]}")" \
        -v bw="$(median "${base_wall[@]}")" -v bc="$(median "${base_cpu[@]}")" 'BEGIN {
        printf "  baseline %6.3f s wall  %6.3f s cpu  %7.1f files/s\n", bw, bc, n / bw
        printf "  ratio baseline / cp: %.2f wall, %.2f cpu\n", bw / cw, bc / cc
        printf "  ratio varnova / baseline: %.2f wall, %.2f cpu\n", vw / bw, vc / bc
    }'
fi
