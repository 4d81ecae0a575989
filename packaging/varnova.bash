# bash completion for varnova                                   -*- shell-script -*-
#
# The mode names come from `varnova --help`, so the completion always offers what the
# installed program accepts. Names hold blanks; they are offered quoted for the shell.

_varnova_modes() {
    "${1:-varnova}" --help 2>/dev/null |
        sed -n '/^Modes:/,/^$/s/^ *\([0-9][0-9]*\)  *\(.*[^ ]\) *$/\1\n\2/p'
}

_varnova() {
    local cur prev words cword
    _init_completion || return

    case $prev in
        --source | --result)
            _filedir -d
            return
            ;;
        --picture)
            _filedir bmp
            return
            ;;
        --mode)
            local IFS=$'\n' mode
            local modes=($(_varnova_modes "$1"))
            # Compare without the quote the user may have opened.
            local typed=${cur#[\"\']}
            COMPREPLY=()
            for mode in "${modes[@]}"; do
                [[ ${mode,,} == "${typed,,}"* ]] && COMPREPLY+=("$(printf '%q' "$mode")")
            done
            return
            ;;
        --lang)
            COMPREPLY=($(compgen -W 'ru en' -- "$cur"))
            return
            ;;
        --jobs)
            COMPREPLY=($(compgen -W "$(seq 1 "$(nproc 2>/dev/null || echo 1)")" -- "$cur"))
            return
            ;;
        --shard)
            # K/N: nothing sensible to offer.
            return
            ;;
        --help | -h | --version)
            return
            ;;
    esac

    if [[ $cur == -* || -z $cur ]]; then
        COMPREPLY=($(compgen -W '--source --picture --result --mode --lang --jobs --shard
            --quiet --help --version' -- "$cur"))
    fi
} &&
    complete -F _varnova varnova
