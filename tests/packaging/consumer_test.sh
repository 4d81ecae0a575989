#!/usr/bin/env bash
# Builds the consumer example against an installed vexo - through the CMake package or through
# pkg-config - and runs it offscreen. The program must take every vexo library from PREFIX.
#   consumer_test.sh cmake|pkg-config PREFIX LIBDIR EXAMPLE-DIR WORK-DIR [FLAGS]
# FLAGS are compile and link flags a program must share with the libraries (the sanitizers).
set -euo pipefail
how=$1
prefix=$2
libdir=$3
example=$4
work=$5
flags=${6:-}
export QT_QPA_PLATFORM=offscreen
rm -rf "$work"
mkdir -p "$work"

case $how in
cmake)
    cmake -S "$example" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="$flags" > "$work/configure.log" ||
        { cat "$work/configure.log"; exit 1; }
    cmake --build "$work"
    program=$work/vexo_consumer
    ;;
pkg-config)
    export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}
    found=$(pkg-config --variable=prefix vexo)
    [[ $found == "$prefix" ]] || { echo "FAIL: pkg-config finds vexo in '$found'"; exit 1; }
    program=$work/vexo_consumer
    # shellcheck disable=SC2046,SC2086
    c++ -std=c++20 -O1 $flags "$example/main.cpp" $(pkg-config --cflags --libs vexo) \
        -Wl,-rpath,"$prefix/$libdir" -o "$program"
    ;;
*)
    echo "usage: consumer_test.sh cmake|pkg-config PREFIX LIBDIR EXAMPLE-DIR WORK-DIR [FLAGS]"
    exit 2
    ;;
esac

# Compared as real paths: with a merged /usr, /lib/... is /usr/lib/...
want=$(realpath "$prefix/$libdir")
libs=$(ldd "$program" | sed -n 's/^\s*libvexo_.* => \(.*\) (0x.*$/\1/p')
[[ -n $libs ]] || { echo "FAIL: $program uses no vexo library"; exit 1; }
for lib in $libs; do
    [[ $(dirname "$(realpath "$lib")") == "$want" ]] ||
        { echo "FAIL: $lib is not from $want"; exit 1; }
done
"$program"
