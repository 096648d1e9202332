#!/bin/bash
# Gives the disk-full scenario a folder that fills up: "small" in its work folder, a 3 MiB tmpfs
# (mounting needs root, as installing the test tools does).
#   disk-full.sh prepare|clean <work folder>
set -u
small=$2/small
case $1 in
prepare)
    mkdir -p "$small"
    mount -t tmpfs -o size=3m morlando-small "$small" || echo "cannot mount a small tmpfs on $small" >&2
    ;;
clean)
    umount "$small" 2>/dev/null || true
    ;;
esac
exit 0
