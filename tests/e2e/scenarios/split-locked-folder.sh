#!/bin/bash
# Gives the split-locked-folder scenario a folder nothing can be written into, "locked" (a tmpfs
# made read-only: permission bits would not do, as the tests run as root), and a folder named
# like a wave, "folder.wav".
#   split-locked-folder.sh prepare|clean <work folder>
set -u
locked=$2/locked
case $1 in
prepare)
    mkdir -p "$locked" "$2/folder.wav"
    if mount -t tmpfs -o size=1m morlando-locked "$locked"; then
        mount -o remount,ro "$locked" || echo "cannot make $locked read-only" >&2
    else
        echo "cannot mount a tmpfs on $locked" >&2
    fi
    ;;
clean)
    umount "$locked" 2>/dev/null || true
    ;;
esac
exit 0
