#!/bin/bash
# Sets the display's scale to 192 pixels to the inch for the display-scale-192 scenario (Wine
# reads it from LogPixels when a program starts) and writes the full waveform's Mother; the clean
# step removes the value, so that the next scenarios run at 96.
#   display-scale-192.sh prepare|clean <work folder>
set -u
key='HKCU\Control Panel\Desktop'
case $1 in
prepare)
    "$(dirname "$0")/waveform-full.sh" prepare "$2"
    wine reg add "$key" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1 </dev/null
    ;;
clean) wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 </dev/null ;;
esac
exit 0
