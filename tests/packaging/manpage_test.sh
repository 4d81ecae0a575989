#!/usr/bin/env bash
# The manual page renders without warnings and documents what the program accepts: every
# option and every mode that `varnova --help` lists, and the version `varnova --version`
# prints.
#   manpage_test.sh MANPAGE VARNOVA
set -uo pipefail
page=$1
varnova=$2
failed=0
fail() {
    echo "FAIL: $*"
    failed=$((failed + 1))
}

warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
[[ -z $warnings ]] || fail "man reports: $warnings"
text=$(MANWIDTH=200 MAN_KEEP_FORMATTING=0 man -l "$page" 2> /dev/null | col -bx)
[[ -n $text ]] || fail "the page renders empty"

help=$("$varnova" --help)
for option in $(grep -oE -- '--[a-z]+' <<< "$help" | sort -u); do
    grep -q -- "$option" <<< "$text" || fail "option $option is not documented"
done
while read -r index name; do
    grep -qE "^ +$index +$name +" <<< "$text" || fail "mode $index $name is not documented"
done < <(sed -n '/^Modes:/,/^$/s/^ *\([0-9][0-9]*\)  *\(.*[^ ]\) *$/\1 \2/p' <<< "$help")
for section in SYNOPSIS OPTIONS MODES SIGNALS "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" <<< "$text" || fail "no section $section"
done
version=$("$varnova" --version | awk '{print $2}')
grep -q "Varnova $version " <<< "$text" || fail "the page does not name version $version"

[[ $failed -eq 0 ]] && echo "manpage: documents every option and mode of varnova $version"
exit $((failed > 0))
