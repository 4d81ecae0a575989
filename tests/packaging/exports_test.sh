#!/usr/bin/env bash
# The shared libraries export the library's interface and nothing else:
#  - every library has the SONAME libvexo_<area>.so.<major>;
#  - every symbol a library defines for others (functions, data; not the vague-linkage copies
#    of inline Qt and standard-library code) belongs to namespace vexo;
#  - the private helpers declared in _p.h headers are not exported, unless they carry their
#    area's export macro on purpose (helpers that tests call directly).
#   exports_test.sh SOURCE-DIR MAJOR LIBRARY...
set -uo pipefail
source_dir=$1
major=$2
shift 2
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

# Non-inline functions declared in the private headers without an export macro.
private=$(find "$source_dir/lib" -name '*_p.h' -exec grep -hE '^[A-Za-z_].*[ *&][A-Za-z_][A-Za-z0-9_]*\(' {} + |
    grep -vE '^(inline|static|constexpr|\[\[)|_EXPORT ' |
    sed -E 's/^.*[ *&]([A-Za-z_][A-Za-z0-9_]*)\(.*$/\1/' | sort -u)
[[ -n $private ]] || fail "no private helper declarations found in $source_dir/lib/**/*_p.h"

for lib in "$@"; do
    name=$(basename "$lib")
    area=${name#libvexo_}
    area=${area%%.so*}
    soname=$(readelf -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
    [[ $soname == "libvexo_$area.so.$major" ]] || fail "$name: SONAME '$soname'"

    # AddressSanitizer adds an __odr_asan.<name> marker beside each exported global.
    exported=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TDBR]$/ {print $3}' |
        grep -vxE '_edata|_end|__bss_start|_init|_fini|__odr_asan\..*' | c++filt)
    [[ -n $exported ]] || fail "$name exports nothing"
    stray=$(grep -v 'vexo::' <<< "$exported")
    [[ -z $stray ]] || fail "$name exports names outside namespace vexo:"$'\n'"$stray"
    for helper in $private; do
        if grep -qE "(^|::)$helper\(" <<< "$exported"; then
            fail "$name exports the private helper $helper"
        fi
    done
done
[[ $failed -eq 0 ]] && echo "exports: $# libraries export only the vexo interface"
exit $((failed > 0))
