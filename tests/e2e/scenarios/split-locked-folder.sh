#!/bin/bash
# Gives the split-locked-folder scenario a folder nothing can be written into, "locked", and a
# folder named like a wave, "folder.wav".
#   split-locked-folder.sh prepare|clean <work folder>
set -u
source "$(dirname "$0")/read-only-folder.bash"
locked=$2/locked
case $1 in
prepare)
    mkdir -p "$2/folder.wav"
    mount_read_only "$locked"
    ;;
clean) unmount_read_only "$locked" ;;
esac
exit 0
