#!/usr/bin/env bash
# The bash completion of varnova, driven as bash drives it: each case sets the words of a
# command line and checks what _varnova offers for the last one.
#   completion_test.sh COMPLETION-SCRIPT VARNOVA
set -uo pipefail
completion=$1
varnova=$(realpath "$2")
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/sources" "$work/results"
touch "$work/work.bmp" "$work/notes.txt"
cd "$work" || exit 1

failed=0
# expect EXPECTED WORD... — the words after "varnova" as bash splits them (the last one is
# completed); EXPECTED is what is offered, sorted and joined by "|".
offer() {
    COMP_WORDS=("$varnova" "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _varnova "$varnova" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
}
expect() {
    local want=$1
    shift
    offer "$@"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd '|')
    if [[ $got != "$want" ]]; then
        echo "FAIL: 'varnova $*' offers '$got', expected '$want'"
        failed=$((failed + 1))
    fi
}

expect "--quiet" --q
# Every option the program's usage names, and nothing else.
expect "$("$varnova" --help | grep -oE -- '--[a-z]+' | sort -u | paste -sd '|')" ""
expect "en|ru" --lang ""
expect "ru" --lang r
expect "1|10|11|12|13|14" --mode 1
expect 'Source\ Erase' --mode 'source e'
expect 'Source\ Invert' --mode 'SOURCE I'
expect 'Source\ Invert' --mode '"source i'
expect "Whiteness" --mode whi
expect "" --mode xyz
# Folders only for the folders (bash adds the "/" when it shows them).
expect "results|sources" --source ""
expect "sources" --result s
expect "results|sources|work.bmp" --picture ""
expect "$(seq 1 "$(nproc)" | sort | paste -sd '|')" --jobs ""
expect "" --version ""
expect "" --shard ""

# Every mode the program lists is offered, by index and by name.
modes=$("$varnova" --help | sed -n '/^Modes:/,/^$/s/^ *[0-9][0-9]*  *//p' | sed '/^$/d' | wc -l)
offer --mode ""
if [[ $modes -ne 15 || ${#COMPREPLY[@]} -ne 30 ]]; then
    echo "FAIL: --help lists $modes modes, the completion offers ${#COMPREPLY[@]} words (want 15 + 15)"
    failed=$((failed + 1))
fi

[[ $failed -eq 0 ]] && echo "completion: all cases passed"
exit $((failed > 0))
