#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo validate, and they agree with each other, with
# the icon and with the project's version (as do the Debian changelog and the manual page).
#   desktop_test.sh PACKAGING-DIR VERSION
set -uo pipefail
dir=$1
version=$2
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

desktop=$(ls "$dir"/*.desktop)
metainfo=$(ls "$dir"/*.metainfo.xml)
id=$(basename "$desktop" .desktop)

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" > /tmp/appstream.$$ 2>&1 ||
    fail "appstreamcli rejects $metainfo: $(cat /tmp/appstream.$$)"
rm -f /tmp/appstream.$$

[[ $(basename "$metainfo") == "$id.metainfo.xml" ]] || fail "metainfo is not named after $id"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[[ -f $dir/$icon.svg ]] || fail "the desktop entry's icon $icon has no drawing $icon.svg"
grep -q '^Categories=Graphics;2DGraphics;' "$desktop" || fail "categories"
grep -q '^Comment\[ru\]=' "$desktop" || fail "no Russian comment"
exec=$(sed -n 's/^Exec=//p' "$desktop")
grep -q "<binary>$exec</binary>" "$metainfo" || fail "metainfo does not provide $exec"

release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[[ $release == "$version" ]] || fail "newest metainfo release $release, project $version"
changelog=$(head -1 "$dir/changelog" | sed -n 's/^[a-z0-9.+-]* (\([^)]*\)).*/\1/p')
[[ $changelog == "$version" ]] || fail "newest changelog entry $changelog, project $version"

[[ $failed -eq 0 ]] && echo "desktop: entry, metainfo, icon and versions agree"
exit $((failed > 0))
