#!/bin/bash
# Has Wine play through ALSA into a file: a HOME whose .asoundrc makes the default device ALSA's
# file plugin over its null device, writing every byte played into played.raw in the work folder,
# and Wine's audio driver set to ALSA for the scenario.
#   sound-output.sh prepare|clean <work folder>
set -eu
work=$2
driver_key='HKCU\Software\Wine\Drivers'
case $1 in
    prepare)
        mkdir -p "$work/home"
        printf 'pcm.!default { type file; slave.pcm "null"; file "%s"; format "raw" }\n' "$work/played.raw" \
            >"$work/home/.asoundrc"
        wine reg add "$driver_key" /v Audio /t REG_SZ /d alsa /f >/dev/null 2>&1 </dev/null
        ;;
    clean)
        wine reg delete "$driver_key" /v Audio /f >/dev/null 2>&1 </dev/null || true
        ;;
esac
