#!/bin/bash
# Gives the settings-read-only scenario a folder nothing can be written into, "locked", holding a
# settings file, ro.txt.
#   settings-read-only.sh prepare|clean <work folder>
set -u
source "$(dirname "$0")/read-only-folder.bash"
locked=$2/locked

write_settings() {
    local windows_locked
    windows_locked=$(printf 'Z:%s' "$locked" | tr / '\\')
    printf 'MOTHER=\r\nVORBILD=\r\nKIND=%s\\kid.wav\r\nEOF' "$windows_locked" >"$locked/ro.txt"
}

case $1 in
prepare) mount_read_only "$locked" write_settings ;;
clean) unmount_read_only "$locked" ;;
esac
exit 0
