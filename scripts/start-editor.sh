#!/usr/bin/env bash
# start-editor.sh APP_DIR [ARGUMENTS...]
# Starts the editor of a ready-to-run folder (the build's app/) in that folder, where its
# pictures lie. Without arguments it opens a working copy of the folder's demo ROM, kept in
# the user's data folder: made on the first run and never replaced, so that edits survive
# rebuilds (which write the demo anew) and later runs. With arguments (a ROM, options) the
# editor gets them, a file named from the caller's folder as an absolute path.
set -euo pipefail

# XDG_DATA_HOME when it is an absolute path, as the XDG rules ask, else ~/.local/share;
# without trailing slashes, so that the printed path reads plainly.
data_home() {
  local dir=${XDG_DATA_HOME:-}
  [[ $dir == /* ]] || dir=${HOME:?HOME is not set}/.local/share
  while [[ $dir == */ && $dir != / ]]; do dir=${dir%/}; done
  printf '%s\n' "$dir"
}

# Prints the working copy's path, making it from DEMO_ROM when it is not there yet; says on
# standard error what it did, or why there is no copy (then it fails).
demo_working_copy() {
  local demo=$1 folder copy part
  folder="$(data_home)/quelbrook"
  copy="$folder/Quelbrook.nes"
  if [[ -e $copy || -L $copy ]]; then
    if [[ ! -f $copy ]]; then
      echo "run-editor: $copy is not a file, so the editor starts without a ROM" >&2
      return 1
    fi
    echo "Opening your working copy of the demo ROM: $copy" >&2
  else
    if ! mkdir -p -- "$folder" 2>/dev/null || [[ ! -d $folder ]]; then
      echo "run-editor: the folder $folder could not be made, so the editor starts without a ROM" >&2
      return 1
    fi
    # Copied under another name first, so that a copy cut short is never taken for the demo.
    if ! part=$(mktemp -- "$folder/.Quelbrook.nes.XXXXXX" 2>/dev/null) || ! cp -- "$demo" "$part" 2>/dev/null; then
      [[ -z ${part:-} ]] || rm -f -- "$part"
      echo "run-editor: $demo could not be copied to $folder, so the editor starts without a ROM" >&2
      return 1
    fi
    chmod 644 -- "$part"
    # No clobbering: a copy another run made meanwhile stays.
    mv -n -- "$part" "$copy" 2>/dev/null || true
    rm -f -- "$part"
    if [[ ! -f $copy ]]; then
      echo "run-editor: $copy could not be made, so the editor starts without a ROM" >&2
      return 1
    fi
    echo "Made a working copy of the demo ROM, which the editor opens now and on later runs: $copy" >&2
  fi
  printf '%s\n' "$copy"
}

app=$1
shift
if (($# == 0)); then
  if copy=$(demo_working_copy "$app/Quelbrook.nes"); then set -- "$copy"; fi
else
  # A ROM named from the caller's folder is still found after the move to the app folder.
  arguments=()
  for argument in "$@"; do
    if [[ $argument != -* && -e $argument ]]; then argument=$(realpath -s -- "$argument"); fi
    arguments+=("$argument")
  done
  set -- "${arguments[@]}"
fi
cd "$app"
exec ./quelbrook-editor "$@"
