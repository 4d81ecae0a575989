# Shared by the batch benchmarks (sourced): the release build, timing and medians.
# BUILD names the build folder (default build/release); it is configured for Release with the
# benchmarks and built as far as the benchmarks need.
build=${BUILD:-build/release}

build_bench() {
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
          -DVARNOVA_BENCH=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" --target varnova varnova_makedata >/dev/null
}

# Wall-clock and processor (user + system) seconds of one command, from bash's own `time`.
timed() {
    local TIMEFORMAT='%R %U %S'
    { time "$@" >/dev/null; } 2>&1 | awk '{printf "%s %.3f\n", $1, $2 + $3}'
}

# A temporary folder for the benchmark's pictures in $data, removed when the script ends.
make_data_folder() {
    data=$(mktemp -d "${TMPDIR:-/tmp}/varnova-$1.XXXXXX")
    trap 'rm -rf "$data"' EXIT
}

median() {
    printf '%s\n' "$@" | sort -g |
        awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'
}
