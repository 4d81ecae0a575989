#!/usr/bin/env bash
# The installed CMake package Vexo: components load what they build on and nothing more,
# unknown components and an incompatible major version are refused with a clear message.
#   findpackage_test.sh PREFIX
set -uo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

configure() { # CASE
    cmake -S "$here/findpackage" -B "$work/$1" -DCMAKE_PREFIX_PATH="$prefix" -DCASE="$1" \
        > "$work/$1.log" 2>&1
}
for case in platform storage all optional-unknown; do
    if ! configure "$case"; then
        echo "FAIL: case $case:"
        grep -A5 "Error" "$work/$case.log"
        failed=$((failed + 1))
    fi
done
# expect_refusal CASE PATTERN — the configure fails and says PATTERN.
expect_refusal() {
    if configure "$1"; then
        echo "FAIL: case $1 was accepted"
        failed=$((failed + 1))
    elif ! tr -s ' \n' ' ' < "$work/$1.log" | grep -q "$2"; then
        echo "FAIL: case $1 failed without saying '$2':"
        cat "$work/$1.log"
        failed=$((failed + 1))
    fi
}
expect_refusal required-unknown "Vexo has no component NoSuchArea"
expect_refusal next-major "version: 1.0"

[[ $failed -eq 0 ]] && echo "find_package(Vexo): 6 cases passed"
exit $((failed > 0))
