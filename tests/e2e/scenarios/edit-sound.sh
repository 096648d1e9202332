#!/bin/bash
# Listening in the editor, played into a file: as sound-output.sh (ALSA's file plugin writing every
# byte played into played.raw), and the folders of the two splits the scenario compares.
#   edit-sound.sh prepare|clean <work folder>
set -eu
"$(dirname "$0")/sound-output.sh" "$@"
[ "$1" = prepare ] && mkdir -p "$2/before" "$2/after"
exit 0
