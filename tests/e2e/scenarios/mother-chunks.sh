#!/bin/bash
# Writes the Mother of the mother-chunks scenario as a field recorder would: a bext chunk and an
# odd-sized junk chunk with its pad byte before the format and the samples, a LIST chunk after
# them. 60 seconds of samples (10 584 000 bytes) start at byte 692. Also a template whose
# header is not the fixed one.
#   mother-chunks.sh prepare|clean <work folder>
set -eu
case $1 in
prepare)
    mkdir -p "$2"
    {
        printf 'RIFF\x8e\x82\xa1\x00WAVE'             # RIFF size 10 584 718: the file less 8
        printf 'bext\x5a\x02\x00\x00'; head -c 602 /dev/zero   # body 20..622
        printf 'junk\x1d\x00\x00\x00'; head -c 30 /dev/zero    # 29 bytes and the pad byte
        printf 'fmt \x10\x00\x00\x00\x01\x00\x02\x00\x44\xac\x00\x00\x10\xb1\x02\x00\x04\x00\x10\x00'
        printf 'data\xc0\x7f\xa1\x00'                  # 10 584 000 sample bytes from 692 on
        head -c 10584000 /dev/urandom
        printf 'LIST\x1a\x00\x00\x00INFOISFT\x0e\x00\x00\x00MORLANDO test\x00'
    } >"$2/recorder.wav"
    # A template of 10 seconds, mono, with a JUNK chunk before its fmt and no samples.
    {
        printf 'RIFF\x30\x00\x00\x00WAVE'
        printf 'JUNK\x04\x00\x00\x00abcd'
        printf 'fmt \x10\x00\x00\x00\x01\x00\x01\x00\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00'
        printf 'data\xa0\xea\x1a\x00'
    } >"$2/like.wav"
    ;;
clean) ;;
esac
exit 0
