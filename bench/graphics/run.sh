#!/usr/bin/env bash
# Times shift, resize and rotate against their peer, OpenCV's warpAffine (when the benchmark
# was built with OpenCV), on one thread and on every core, in one run.
#
#   bench/graphics/run.sh [ROUNDS]                                       (default 9)
#
# Builds graphics_bench (Release) and runs it ROUNDS times; every round runs each benchmark
# once, in a fresh random order, so that ours and the peer's see the same load. With
# BASELINE=/path/to/an/older/graphics_bench that binary's Shift, Resize and Rotate take their
# turn in every round too (shown as "before"). Prints the median wall time of each benchmark
# over the rounds and the megapixels per second it gives, with the load average.
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=${1:-9}
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DVARNOVA_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target graphics_bench >/dev/null
bench=$build/bench/graphics/graphics_bench
baseline=${BASELINE:-}
results=$(mktemp "${TMPDIR:-/tmp}/varnova-graphics-bench.XXXXXX")
trap 'rm -f "$results"' EXIT

# name,real_time in milliseconds per line, from one benchmark run in CSV.
times() {
    awk -F, -v prefix="$1" '$1 ~ /^"BM_/ { gsub(/"|\/real_time/, "", $1); print prefix $1 "," $3 }'
}
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((r = 0; r < rounds; r++)); do
    "$bench" --benchmark_filter='Image/threads|OpenCV' --benchmark_format=csv \
             --benchmark_enable_random_interleaving=true 2>/dev/null | times "" >>"$results"
    if [[ -n "$baseline" ]]; then
        "$baseline" --benchmark_filter='BM_(Shift|Resize|Rotate)Image$' \
                    --benchmark_format=csv 2>/dev/null | times "before " >>"$results"
    fi
done
echo "load after:  $(cut -d' ' -f1-3 /proc/loadavg)"
sort -t, -k1,1 -k2,2g "$results" | awk -F, -v side=2048 '
    function flush() {
        if (n == 0) return
        m = (n % 2) ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
        printf "  %-28s %8.2f ms  %7.1f MP/s  (%d runs)\n", name, m, side * side / 1e3 / m, n
    }
    $1 != name { flush(); name = $1; n = 0 }
    { t[++n] = $2 }
    END { flush() }'
