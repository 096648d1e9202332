#!/usr/bin/env bash
# Writes the seed layouts of the fuzz targets, each made here field by field; run again after a
# change, and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")"
export LC_ALL=C  # every character printed is one byte

le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
# count bytes that differ from one to the next, as samples do
samples() { awk -v n="$1" 'BEGIN { for (i = 0; i < n; i++) printf "%c", (i * 37 + 11) % 251 + 1 }'; }
chunk() { printf '%s' "$1"; le32 "$2"; }  # id and size
riff() { printf RIFF; le32 "$1"; printf WAVE; }
# fmt chunk of 16 bytes: format tag, channels, rate, bits
fmt16() { chunk 'fmt ' 16; le16 "$1"; le16 "$2"; le32 "$3"; le32 $(($3 * $2 * $4 / 8)); le16 $(($2 * $4 / 8)); le16 "$4"; }
# the canonical 44-byte header and its samples; the RIFF size counts $2 more bytes after them
canonical() { riff $((36 + $1 + ${2:-0})); fmt16 1 2 44100 16; chunk data "$1"; samples "$1"; }

facts=MotherFactsFuzz
split=SplitFuzz
metadata=WavMetadataFuzz
mkdir -p $facts $split $metadata

canonical 400 >$facts/canonical
{ canonical 400 36; chunk LIST 28; printf 'INFOISFT'; le32 15; printf 'hand written\0\0\0\0'; } >$facts/list-after-data
{ riff 288; fmt16 1 2 44100 16; chunk bext 30; head -c 30 /dev/zero; chunk junk 5; printf 'abcde\0';
  chunk data 200; samples 200; } >$facts/bext-and-odd-junk-before-data
{ riff 260; chunk 'fmt ' 18; le16 1; le16 1; le32 48000; le32 72000; le16 3; le16 24; le16 0;
  chunk data 222; samples 222; } >$facts/mono-24-bit-fmt-18
{ riff 436; chunk 'fmt ' 16; } >$facts/shorter-than-header
{ riff 1036; fmt16 1 2 44100 16; chunk data 1000; samples 100; } >$facts/data-far-beyond-file
{ riff 181; fmt16 1 2 44100 16; chunk data 145; samples 100; } >$facts/data-one-byte-beyond-file
canonical 60 >$facts/data-below-margin
{ riff 0; fmt16 1 2 44100 16; chunk data 4294967295; samples 402; } >$facts/unfinished-header
printf 'not a wave at all, just some text that is longer than a header\n' >$facts/not-riff
# An RF64 file: its ds64 (RIFF, data and frame sizes of 64 bits, no table) and a data size field
# that stands there.
{ printf RF64; le32 4294967295; printf WAVE; chunk ds64 28; le32 436; le32 0; le32 400; le32 0; le32 100; le32 0;
  le32 0; fmt16 1 2 44100 16; chunk data 4294967295; samples 400; } >$facts/rf64
# Headers a recorder never finished: data sizes of 0 and 0xFFFFFFFF with 402 bytes behind them.
{ riff 0; fmt16 1 2 44100 16; chunk data 0; samples 402; } >$facts/unfinished-size-0
{ riff 4294967295; fmt16 1 2 44100 16; chunk data 4294967295; samples 402; } >$facts/unfinished-size-ffffffff

# A split seed: piece bytes, cut mode (bits 0-1: none, template, time, count; bit 2: ALLSPLIT),
# start pattern and copy block, then the Mother.
cut() { le32 "$1"; printf "\\x$(printf %02x "$2")"; le32 "$3"; le32 "$4"; }

{ cut 1000 2 0 1024; canonical 4200; } >$split/time-four-full-and-short
{ cut 1024 7 2 100; canonical 4200; } >$split/count-allsplit-from-second
{ cut 600 1 3 0; canonical 2068; } >$split/template-from-third-default-block
{ cut 500 2 0 4096; canonical 2068 20; chunk LIST 12; printf 'INFOsome'; le32 0; } >$split/time-metadata-after-data
{ cut 0 2 0 1024; canonical 1000; } >$split/no-piece-length
# Another format, cut at its own whole frames; a header never finished, cut to the file's end.
{ cut 1000 2 0 1024; riff 3338; fmt16 1 2 48000 24; chunk data 3302; samples 3302; } >$split/time-24-bit-48k
{ cut 1001 3 0 1024; riff 36; fmt16 1 1 22050 8; chunk data 3302; samples 3302; } >$split/count-mono-8-bit
{ cut 600 2 0 1024; riff 0; fmt16 1 2 44100 16; chunk data 0; samples 2002; } >$split/time-unfinished-header
{ cut 100 2 2147483647 1024; canonical 1000; } >$split/start-beyond-the-end
{ cut 7 0 1 9000000; canonical 400; } >$split/odd-piece-huge-block

# A metadata seed: the Child's first frame (64 bits) and its frames, then the Mother.
child() { le32 "$1"; le32 0; le32 "$2"; }
cuepoint() { le32 "$1"; le32 "$2"; printf data; le32 0; le32 0; le32 "$2"; }
labl() { chunk labl $((4 + ${#2} + 1)); le32 "$1"; printf '%s\0' "$2"; [ $(( ${#2} % 2 )) -eq 0 ] && printf '\0'; true; }

{ child 50 100; riff 0; fmt16 1 2 44100 16; chunk bext 602; head -c 338 /dev/zero; le32 1000; le32 0;
  head -c 256 /dev/zero; chunk iXML 9; printf '<BWFXML/>\0'; chunk data 400; samples 400;
  chunk 'cue ' 76; le32 3; cuepoint 1 40; cuepoint 2 120; cuepoint 3 60;
  chunk LIST 38; printf adtl; labl 1 intro; labl 3 odd; } >$metadata/bext-ixml-cue-labels
{ child 0 10; riff 0; chunk 'cue ' 52; le32 1000; cuepoint 9 5; head -c 24 /dev/zero; } >$metadata/cue-count-too-large
{ child 4294967295 4294967295; printf RF64; le32 4294967295; printf WAVE; chunk ds64 28; le32 0; le32 0; le32 8; le32 0;
  head -c 12 /dev/zero; fmt16 1 1 8000 8; chunk data 4294967295; samples 8; chunk 'cue ' 28; le32 1; cuepoint 1 2;
} >$metadata/rf64-cue-after-data
