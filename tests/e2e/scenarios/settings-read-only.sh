#!/bin/bash
# Gives the settings-read-only scenario a folder nothing can be written into, "locked", holding a
# settings file, ro.txt: a tmpfs made read-only once the file is in it. Permission bits would not
# do, as the tests run as root (mounting needs root, as installing the test tools does).
#   settings-read-only.sh prepare|clean <work folder>
set -u
locked=$2/locked
case $1 in
prepare)
    mkdir -p "$locked"
    if mount -t tmpfs -o size=1m morlando-locked "$locked"; then
        windows_locked=$(printf 'Z:%s' "$locked" | tr / '\\')
        printf 'MOTHER=\r\nVORBILD=\r\nKIND=%s\\kid.wav\r\nEOF' "$windows_locked" >"$locked/ro.txt"
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
