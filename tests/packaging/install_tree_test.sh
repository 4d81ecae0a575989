#!/usr/bin/env bash
# The tree `cmake --install` gives: the program (running there without LD_LIBRARY_PATH), each
# library area as a versioned shared library with its SONAME links, every public header (and
# no private one) below include/vexo/ in the source tree's layout, the export headers, the
# CMake package with one targets file per area, vexo.pc pointing at this prefix, and the
# desktop files, icons, manual page, completion and copyright notices.
#   install_tree_test.sh PREFIX LIBDIR SOURCE-DIR
set -uo pipefail
prefix=$1
libdir=$2
source_dir=$3
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}
need() { # FILE...
    local f
    for f in "$@"; do
        [[ -e $prefix/$f ]] || fail "missing $f"
    done
}

# Top level: nothing beside the program, headers, libraries and data.
extra=$(cd "$prefix" && ls -1 | grep -vxE 'bin|include|lib|lib64|share')
[[ -z $extra ]] || fail "unexpected top-level entries: $extra"
[[ -x $prefix/bin/varnova ]] || fail "bin/varnova is missing or not executable"
version=$("$prefix/bin/varnova" --version) ||
    fail "bin/varnova --version fails"
major=$(awk '{print $2}' <<< "$version" | cut -d. -f1)
if [[ -z $major || -z $libdir ]]; then
    echo "FAIL: no version from bin/varnova --version ('$version') with libraries in '$libdir'"
    exit 1
fi

# The window is a module of the program's own, loaded only without arguments: the command line
# runs without the widget toolkit.
need "$libdir/varnova/varnova-window.so"
readelf -d "$prefix/bin/varnova" | grep -q 'NEEDED.*libQt6Widgets' &&
    fail "bin/varnova links the widget toolkit"
QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/varnova" > /dev/null 2>&1
status=$?
[[ $status -eq 124 ]] || fail "bin/varnova without arguments did not stay up (exit $status)"

# One shared library, export header and CMake targets file per area.
areas=$(cd "$prefix/include/vexo" && ls -1 ./*_export.h | sed 's|^\./||; s|_export\.h$||')
defined=$(grep -rhoE 'vexo_add_library\([a-z_]+' "$source_dir/lib" --include=CMakeLists.txt |
    sed 's/.*(//' | sort)
[[ $(sort <<< "$areas") == "$defined" ]] ||
    fail "export headers for '$(echo $areas)', the source defines '$(echo $defined)'"
for area in $areas; do
    lib=$prefix/$libdir/libvexo_$area.so
    [[ -f $lib.$major.0 && ! -L $lib.$major.0 ]] || fail "libvexo_$area.so.$major.0 missing"
    [[ $(readlink "$lib.$major") == "libvexo_$area.so.$major.0" ]] ||
        fail "libvexo_$area.so.$major does not link to the library"
    [[ $(readlink "$lib") == "libvexo_$area.so.$major" ]] ||
        fail "libvexo_$area.so does not link to the SONAME"
    component=$(sed -E 's/(^|_)([a-z])/\U\2/g' <<< "$area")
    need "$libdir/cmake/Vexo/Vexo${component}Targets.cmake"
done
need "$libdir/cmake/Vexo/VexoConfig.cmake" "$libdir/cmake/Vexo/VexoConfigVersion.cmake"

# Headers: exactly the public headers of lib/, at the same relative place.
want=$(cd "$source_dir/lib" && find . -name '*.h' ! -name '*_p.h' | sort)
have=$(cd "$prefix/include/vexo" && find . -name '*.h' ! -name '*_export.h' | sort)
missing=$(comm -23 <(echo "$want") <(echo "$have"))
surplus=$(comm -13 <(echo "$want") <(echo "$have"))
[[ -z $missing ]] || fail "public headers not installed: $missing"
[[ -z $surplus ]] || fail "installed headers that are not public: $surplus"
for part in image runtime text ini gui; do
    [[ -d $prefix/include/vexo/platform/$part ]] || fail "no include/vexo/platform/$part/"
done

# pkg-config file of this prefix.
pc=$prefix/$libdir/pkgconfig/vexo.pc
need "$libdir/pkgconfig/vexo.pc"
grep -qx "prefix=$prefix" "$pc" || fail "vexo.pc does not point at $prefix"
for area in $areas; do
    grep -q -- "-lvexo_$area\b" "$pc" || fail "vexo.pc does not link vexo_$area"
done

# Desktop integration, manual page, completion, notices.
need share/applications/org.example.varnova.Varnova.desktop \
    share/metainfo/org.example.varnova.Varnova.metainfo.xml \
    share/icons/hicolor/scalable/apps/varnova.svg \
    share/bash-completion/completions/varnova share/man/man1/varnova.1.gz
for size in 16 22 24 32 48 64 128 256; do
    png=share/icons/hicolor/${size}x$size/apps/varnova.png
    need "$png"
    file "$prefix/$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size x $size"
done
gzip -t "$prefix/share/man/man1/varnova.1.gz" || fail "varnova.1.gz is not a valid gzip file"
for package in varnova libvexo$major libvexo-dev; do
    need "share/doc/$package/copyright" "share/doc/$package/changelog.gz"
done

[[ $failed -eq 0 ]] && echo "install tree: $(wc -w <<< "$areas") libraries, $(wc -l <<< "$have") headers, desktop files, manual page and completion in place"
exit $((failed > 0))
