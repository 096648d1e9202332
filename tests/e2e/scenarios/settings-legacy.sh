#!/bin/bash
# Writes the settings file of an older build, old.txt: its Mother "Müller.wav" in Windows-1252
# (the byte FC), its children's name 90 Japanese letters in UTF-8 (270 bytes).
#   settings-legacy.sh prepare|clean <work folder>
set -u
[ "$1" = prepare ] || exit 0
folder=$(printf 'Z:%s' "$2" | tr / '\\')
letters=$(for _ in $(seq 90); do printf '\xe9\x8c\xb2'; done)
printf 'MOTHER=%s\\M\xfcller.wav\r\nKIND=%s\\%s\r\nEOF' "$folder" "$folder" "$letters" >"$2/old.txt"
