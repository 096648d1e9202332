#!/bin/bash
# Wine without an audio driver: the Drivers key's Audio value empty for the scenario.
#   edit-sound-no-device.sh prepare|clean <work folder>
set -eu
driver_key='HKCU\Software\Wine\Drivers'
case $1 in
    prepare) wine reg add "$driver_key" /v Audio /t REG_SZ /d "" /f >/dev/null 2>&1 </dev/null ;;
    clean) wine reg delete "$driver_key" /v Audio /f >/dev/null 2>&1 </dev/null || true ;;
esac
