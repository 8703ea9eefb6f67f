# SPDX-FileCopyrightText: 2026 The psniaed developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for psnedit: commands, options, the keys of get and set as 'psnedit fields'
# lists them, and the parts of show (keys and parts hold spaces, so they are completed quoted).
_psnedit() {
    local cur prev command i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        -*) ;;
        *) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    case $prev in
    --names-source | --cockpit-source)
        COMPREPLY=($(compgen -W 'exe state' -- "$cur"))
        return ;;
    --patch-list)
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    esac
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W 'show diff save apply get set fields schema restore season --help --version' -- "$cur"))
        return
    fi
    if [[ $cur == -* && $command == season ]]; then
        COMPREPLY=($(compgen -W '--json --dry-run --description --game --' -- "$cur"))
        return
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--json --dry-run --all --names-source --cockpit-source --patch-list --' -- "$cur"))
        return
    fi
    case $command in
    season)
        # The season command's own commands, then its options.
        if ((i + 1 == COMP_CWORD)); then
            COMPREPLY=($(compgen -W 'list keep switch diff export import rename delete' -- "$cur"))
            return
        fi ;;
    get | set)
        # A word with a slash, or after the game folder, is a key.
        if [[ $cur == */* && ! -e ${cur%%/*} ]] || ((i + 1 < COMP_CWORD)); then
            local word=${cur#[\"\']} key suffix=
            [[ $command == set ]] && suffix='='
            local IFS=$'\n'
            COMPREPLY=()
            for key in $(command psnedit fields 2>/dev/null | cut -f1); do
                [[ $key == "$word"* ]] && COMPREPLY+=("$(printf '%q' "$key")$suffix")
            done
            [[ $command == set ]] && compopt -o nospace 2>/dev/null
            return
        fi ;;
    show)
        # After the game folder or settings file come the parts.
        if ((i + 1 < COMP_CWORD)); then
            local word=${cur#[\"\']} part
            local IFS=$'\n'
            COMPREPLY=()
            for part in $(command psnedit fields 2>/dev/null | cut -f1 | cut -d/ -f1 | uniq); do
                [[ $part == "$word"* ]] && COMPREPLY+=("$(printf '%q' "$part")")
            done
            return
        fi ;;
    esac
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- "$cur"))
}
complete -F _psnedit psnedit
