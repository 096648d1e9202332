# bash completion of morlando-split: its options, and WAV files where a wave is asked for; "-"
# among the options, for a Mother on standard input.
_morlando_split()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --like)
            COMPREPLY=($(compgen -f -X '!*.[wW][aA][vV]' -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --into)
            COMPREPLY=($(compgen -d -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --name)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --at-labels | --at-cue | --list)
            COMPREPLY=($(compgen -f -- "$cur"))
            compopt -o filenames 2>/dev/null
            return ;;
        --digits)
            COMPREPLY=($(compgen -W 'auto' -- "$cur"))
            return ;;
        --tz)
            COMPREPLY=($(compgen -W 'local UTC' -- "$cur"))
            return ;;
        --every | --pieces | --from | --block | --jobs | --silence-db | --silence-min | --min-piece | --start | --time-name)
            return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--every --pieces --like --at-markers --at-labels --at-cue --at-silence
            --silence-db --silence-min --min-piece --start --tz --align --time-name --no-metadata --window-rules --default-header --from --name
            --into --jobs --block --dry-run --digits --list --resume --sync --quiet --help --version -q -h -' -- "$cur"))
    else
        COMPREPLY=($(compgen -f -X '!*.[wW][aA][vV]' -- "$cur"))
        compopt -o filenames 2>/dev/null
    fi
}
complete -o plusdirs -F _morlando_split morlando-split
