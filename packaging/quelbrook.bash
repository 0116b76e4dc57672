# bash completion for quelbrook(1): its commands, then files of the kind each
# argument takes.

# One line a command: its name, then the kind of each argument in order (a file
# ending such as nes, map or png: a file with that ending; dir: a folder; field: a field of `set`;
# -: anything), then the options it takes. A new command needs only its line here.
_quelbrook_commands='
info nes
show nes -
set nes - field -
copy-screen nes - -
swap-screens nes - -
export-map nes - map
import-map nes - map
export-tpie nes - tpie
import-tpie nes - tpie
ips nes nes ips
apply-ips nes ips
bps nes nes bps
apply-bps nes bps
render nes - png --pictures --console --input --frames --origin --core
render-world nes png --scale --overlays --pictures --console --input --frames --origin --core
export-tmx nes tmx --pictures
import-tmx nes @(tmx|tmj|json)
play nes --screen --frames --input --png --every --core
route nes txt --screen --expect --frames --core
learn-pictures nes dir --input --frames --origin --core
textconv nes
diff nes nes
merge nes nes nes
git-setup
history nes --show --keep-points --keep-mib
restore nes -
'

_quelbrook() {
    local cur prev words cword
    _init_completion || return

    if ((cword == 1)); then
        local names
        names=$(awk 'NF { print $1 }' <<<"$_quelbrook_commands")
        COMPREPLY=($(compgen -W "$names --help --version" -- "$cur"))
        return
    fi

    local line
    line=$(awk -v command="${words[1]}" '$1 == command' <<<"$_quelbrook_commands")
    [[ -n $line ]] || return

    case $prev in
        --pictures)
            _filedir -d
            return
            ;;
        --png)
            _filedir png
            return
            ;;
        --core)
            _filedir so
            return
            ;;
        --scale | --screen | --frames | --input | --every | --origin | --show | --keep-points | --keep-mib | --expect) return ;;
    esac
    # --every takes a step, then the folder for the pictures.
    if ((cword > 2)) && [[ ${words[cword - 2]} == --every ]]; then
        _filedir -d
        return
    fi

    local kinds=() options=() word
    # The words after the name: none for a command without arguments.
    for word in ${line#"${words[1]}"}; do
        if [[ $word == --* ]]; then options+=("$word"); else kinds+=("$word"); fi
    done
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${options[*]} --help" -- "$cur"))
        return
    fi

    # Which argument is being typed: options and their values do not count.
    local i position=0
    for ((i = 2; i < cword; i++)); do
        case ${words[i]} in
            --pictures | --scale | --screen | --frames | --input | --png | --core | --origin | --show | --keep-points | --keep-mib | --expect) ((i++)) ;;
            --every) ((i += 2)) ;;
            -*) ;;
            *) ((position++)) ;;
        esac
    done

    case ${kinds[position]--} in
        -) ;;
        dir) _filedir -d ;;
        field)
            COMPREPLY=($(compgen -W "tile tile{1..48} item item-destination message
                enemy{1..4}-kind enemy{1..4}-destination palette1 palette2" -- "$cur"))
            ;;
        *) _filedir "${kinds[position]}" ;;
    esac
} &&
    complete -F _quelbrook quelbrook
