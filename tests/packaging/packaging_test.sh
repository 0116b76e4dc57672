#!/usr/bin/env bash
# packaging_test.sh CASE QUELBROOK QUELBROOK_EDITOR SOURCE_DIR VERSION
set -euo pipefail
case_name=$1 tool=$2 editor=$3 source=$4 version=$5

failures=0
expect_equal() {  # what, expected, actual
  if [ "$2" != "$3" ]; then
    printf 'FAILED %s\n  expected: %s\n  actual:   %s\n' "$1" "$(tr '\n' ' ' <<<"$2")" "$(tr '\n' ' ' <<<"$3")"
    failures=$((failures + 1))
  fi
}

# The commands as the tool itself lists them.
tool_commands() { "$tool" --help | awk '$1 == "quelbrook" { print $2 }'; }

# What bash completion offers after `quelbrook WORDS...`, the last word being typed.
complete_words() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$0"
    COMP_WORDS=(quelbrook "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    _quelbrook quelbrook "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort' "$source/packaging/quelbrook.bash" "$@"
}

case $case_name in
  completion_commands)
    expect_equal "the first word offers every command" \
      "$( (tool_commands; printf '%s\n' --help --version) | sort)" "$(complete_words "")"
    expect_equal "a started command name" "$(printf '%s\n' export-map export-tmx export-tpie)" "$(complete_words ex)"
    ;;
  completion_files)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work"
    touch a.nes c.map d.tpie e.ips f.bps g.png h.txt w.tmx w.tmj
    mkdir sub
    expect_equal "a ROM" "$(printf '%s\n' a.nes sub)" "$(complete_words export-map "")"
    expect_equal "no file for a screen number" "" "$(complete_words export-map a.nes "")"
    expect_equal "a map file" "$(printf '%s\n' c.map sub)" "$(complete_words export-map a.nes 3 "")"
    expect_equal "a tpie file" "$(printf '%s\n' d.tpie sub)" "$(complete_words import-tpie a.nes 3 "")"
    expect_equal "an IPS patch" "$(printf '%s\n' e.ips sub)" "$(complete_words apply-ips a.nes "")"
    expect_equal "the second ROM of a patch" "$(printf '%s\n' a.nes sub)" "$(complete_words bps a.nes "")"
    expect_equal "a BPS patch to write" "$(printf '%s\n' f.bps sub)" "$(complete_words bps a.nes a.nes "")"
    expect_equal "a picture" "$(printf '%s\n' g.png sub)" "$(complete_words render a.nes 3 "")"
    expect_equal "a picture after an option's value" "$(printf '%s\n' g.png sub)" \
      "$(complete_words render-world a.nes --scale 0.5 "")"
    expect_equal "a picture folder" "sub" "$(complete_words render-world a.nes --pictures "")"
    expect_equal "options" "--overlays" "$(complete_words render-world a.nes --ov)"
    expect_equal "the console's options" "$(printf '%s\n' --console --core)" "$(complete_words render a.nes --co)"
    expect_equal "a picture after a flag" "$(printf '%s\n' g.png sub)" "$(complete_words render a.nes --console 3 "")"
    expect_equal "a Tiled map in either format" "$(printf '%s\n' sub w.tmj w.tmx)" \
      "$(complete_words import-tmx a.nes "")"
    expect_equal "fields of set" "$(printf '%s\n' palette1 palette2)" "$(complete_words set a.nes 3 pal)"
    expect_equal "nothing after the last argument" "" "$(complete_words info a.nes "")"
    expect_equal "an unknown command" "" "$(complete_words paint "")"
    # A command without arguments once offered files ending in its own name.
    touch x.git-setup
    expect_equal "nothing for a command without arguments" "" "$(complete_words git-setup "")"
    expect_equal "merge's third ROM" "$(printf '%s\n' a.nes)" "$(complete_words merge a.nes a.nes a)"
    expect_equal "play's picture" "$(printf '%s\n' g.png sub)" "$(complete_words play a.nes --png "")"
    expect_equal "play's folder after the step" "sub" "$(complete_words play a.nes --every 5 "")"
    expect_equal "nothing for a step" "" "$(complete_words play a.nes --every "")"
    expect_equal "play's options" "$(printf '%s\n' --frames)" "$(complete_words play a.nes --fr)"
    expect_equal "a route's script file" "$(printf '%s\n' h.txt sub)" "$(complete_words route a.nes "")"
    expect_equal "nothing for an expected screen" "" "$(complete_words route a.nes h.txt --expect "")"
    ;;
  manual_page_commands)
    while read -r name; do
      grep -q "^\.BI \"${name//-/\\\\-} " "$source/packaging/quelbrook.1.in" ||
        expect_equal "quelbrook(1) describes $name" "$name" ""
    done < <(tool_commands)
    ;;
  editor_options)
    # Answered before any window: no display is needed.
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" --version)
    expect_equal "--version" "quelbrook-editor $version" "$(head -n 1 <<<"$said")"
    grep -q "^License GPL-3.0-or-later" <<<"$said" ||
      expect_equal "--version names the licence" "License GPL-3.0-or-later" "$said"
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" --help)
    grep -q "^Usage: .* \[ROM\]$" <<<"$help" || expect_equal "--help has a usage line with the ROM" "Usage: [ROM]" "$help"
    grep -q "copy it to a folder of your own before editing it" <<<"$help" ||
      expect_equal "--help tells to copy the demo ROM" "copy it" "$help"
    ;;
  start_editor)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    app=$work/app
    mkdir "$app" "$work/caller"
    echo demo >"$app/Quelbrook.nes"
    # A stand-in editor that prints the folder it runs in and its arguments.
    # shellcheck disable=SC2016
    printf '#!/bin/sh\necho "$PWD" "$@"\n' >"$app/quelbrook-editor"
    chmod +x "$app/quelbrook-editor"
    start() { # XDG_DATA_HOME ("unset" for none), then the arguments
      local xdg=(env XDG_DATA_HOME="$1")
      [ "$1" != unset ] || xdg=(env -u XDG_DATA_HOME)
      (cd "$work/caller" && "${xdg[@]}" HOME="$work/home" "$source/scripts/start-editor.sh" "$app" "${@:2}" 2>"$work/said")
    }
    copy=$work/home/.local/share/quelbrook/Quelbrook.nes
    expect_equal "the first run makes the copy and opens it" "$app $copy" "$(start unset)"
    expect_equal "the first run says so" \
      "Made a working copy of the demo ROM, which the editor opens now and on later runs: $copy" "$(cat "$work/said")"
    expect_equal "the copy is the demo" demo "$(cat "$copy")"
    echo edited >"$copy"
    echo rebuilt >"$app/Quelbrook.nes"
    expect_equal "a later run opens the same copy" "$app $copy" "$(start unset)"
    expect_equal "a later run names it" "Opening your working copy of the demo ROM: $copy" "$(cat "$work/said")"
    expect_equal "neither a rebuild nor a later run replaces the copy" edited "$(cat "$copy")"
    expect_equal "a relative data folder is not taken" "$app $copy" "$(start data)"

    echo mine >"$work/caller/game.nes"
    expect_equal "a ROM given is opened, from the caller's folder" "$app $work/caller/game.nes -style fusion" \
      "$(start unset game.nes -style fusion)"
    expect_equal "a ROM given makes no copy and says nothing" "" "$(cat "$work/said")"

    expect_equal "a trailing slash" "$app $work/data/quelbrook/Quelbrook.nes" "$(start "$work/data//")"
    expect_equal "the folder already there" "$app $work/data/quelbrook/Quelbrook.nes" "$(start "$work/data")"

    mkdir "$work/blocked" "$work/taken" "$work/taken/quelbrook" "$work/taken/quelbrook/Quelbrook.nes"
    echo kept >"$work/blocked/quelbrook"
    expect_equal "a file where the folder goes: no ROM" "$app" "$(start "$work/blocked")"
    expect_equal "a file where the folder goes: why" \
      "run-editor: the folder $work/blocked/quelbrook could not be made, so the editor starts without a ROM" \
      "$(cat "$work/said")"
    expect_equal "a file where the folder goes: the file stays" kept "$(cat "$work/blocked/quelbrook")"
    expect_equal "a folder where the copy goes: no ROM" "$app" "$(start "$work/taken")"
    expect_equal "a folder where the copy goes: why" \
      "run-editor: $work/taken/quelbrook/Quelbrook.nes is not a file, so the editor starts without a ROM" \
      "$(cat "$work/said")"

    rm "$app/Quelbrook.nes"
    expect_equal "no demo to copy: no ROM" "$app" "$(start "$work/nodemo")"
    expect_equal "no demo to copy: nothing left behind" "" "$(ls -A "$work/nodemo/quelbrook")"
    ;;
  *)
    echo "unknown case $case_name" >&2
    exit 2
    ;;
esac
exit $((failures > 0))
