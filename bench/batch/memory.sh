#!/usr/bin/env bash
# Peak memory of the batch command line against the size of one picture.
#
#   bench/batch/memory.sh [COUNT [WIDTH HEIGHT]]      (default 3 6000 4000)
#
# Generates a 24-bit working picture and COUNT 24-bit sources of WIDTH x HEIGHT, runs
# `varnova` on them with one job and with the default number under `/usr/bin/time -v`, and
# prints the maximum resident set size, also as a multiple of one picture's file size. The
# program alone (`varnova --version`) is measured too: its code and libraries count in every
# figure.
set -euo pipefail
cd "$(dirname "$0")/../.."
count=${1:-3}
width=${2:-6000}
height=${3:-4000}
[[ -x /usr/bin/time ]] || { echo "needs GNU time (apt-get install time)" >&2; exit 1; }
source bench/batch/common.sh
build_bench
make_data_folder memory
"$build/bench/batch/varnova_makedata" bench "$data" "$count" "$width" "$height"
picture=$(stat -c %s "$data/work.bmp")

# Maximum resident set size in bytes of one command.
peak() {
    /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F: '/Maximum resident set size/ {print $2 * 1024}'
}
report() {
    awk -v label="$1" -v b="$2" -v p="$picture" \
        'BEGIN {printf "  %-22s %8.1f MB  %5.3f x one picture\n", label, b / 1e6, b / p}'
}
printf '%d sources of %dx%d 24-bit, one picture %.1f MB, peak resident memory\n' \
       "$count" "$width" "$height" "$(awk -v p="$picture" 'BEGIN {print p / 1e6}')"
report "varnova --version" "$(peak "$build/app/varnova" --version)"
for jobs in 1 "$(nproc)"; do
    rm -rf "$data/out" && mkdir "$data/out"
    report "varnova --jobs $jobs" "$(peak "$build/app/varnova" --source "$data/src" \
        --picture "$data/work.bmp" --result "$data/out" --jobs "$jobs" --quiet)"
done
