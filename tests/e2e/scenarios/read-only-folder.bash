# Sourced by the scenario scripts that need a folder nothing can be written into: a tmpfs made
# read-only once it holds what the scenario puts there. Permission bits would not do, as the
# tests run as root (mounting needs root, as installing the test tools does).

# mount_read_only FOLDER [COMMAND...]: mounts the tmpfs, runs COMMAND to fill it, then locks it.
mount_read_only() {
    local folder=$1
    shift
    mkdir -p "$folder"
    if ! mount -t tmpfs -o size=1m morlando-locked "$folder"; then
        echo "cannot mount a tmpfs on $folder" >&2
        return 0
    fi
    [ $# -gt 0 ] && "$@"
    mount -o remount,ro "$folder" || echo "cannot make $folder read-only" >&2
}

unmount_read_only() {
    umount "$1" 2>/dev/null || true
}
