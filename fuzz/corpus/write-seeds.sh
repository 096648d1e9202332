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
labels=LabelListFuzz
cue=CueSheetFuzz
stream=StreamHeadFuzz
mkdir -p $facts $split $metadata $labels $cue $stream

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

# A marks seed: the Mother's rate and frames (40 bits), the first Child's number, the digits
# (0: as wide as the last number, 1: as it is, 2 to 11: 1 to 10 digits) and the length of the
# stem's own name, then the text of the list or the sheet.
mother() { le32 "$1"; le32 $(($2 & 0xFFFFFFFF)); printf "\\x$(printf %02x $(($2 >> 32)))"; le32 "$3"; \
           printf "\\x$(printf %02x "$4")\\x$(printf %02x "$5")"; }

# The tests' own lists: points with comma decimals, CR LF and a byte-order mark; half a frame;
# regions overlapping, with gaps and a line of frequencies; a time that is no number; the lists
# of the command line's test, with names that are no file names.
{ mother 1000 3000 1 1 4; printf '\xEF\xBB\xBF0.5\t0.5\tone\r\n1,25\t1,25\ttwo\r\n0\t0\tfirst\r\n'; } >$labels/points-bom-crlf
{ mother 8000 8000 1 0 4; printf '0.0000625\t0.0000625\n0.1000416\t0.1000416\t\n'; } >$labels/half-a-frame
{ mother 10 50 7 4 4; printf '1\t2\tA\n0.5\t1.5\tB\n\\\t100\t200\n3\t5\t\n1.5\t1.5\tmid\n\n'; } >$labels/regions
{ mother 10 50 1 1 4; printf '1\t2\tA\n\n1\tx\tB\n'; } >$labels/not-a-number
{ mother 10 50 1 1 4; printf '99999999999999999999\t1\tA\n'; } >$labels/far-past-the-end
{ mother 1000 10000 1 1 250; printf '2\t2\tintro:one\n6,0\t6,0\ta/b\n8.4\t8.4\tcoda\n'; } >$labels/names-near-the-limit
{ mother 1000 10000 2147483646 0 4; printf '1\t3\tfirst\n2,5\t4\tsecond\n7\t9,25\t\n'; } >$labels/regions-top-numbers

# The tests' own sheets: one with every command, keywords in lower case and a data track; a time
# at the Mother's last frame; a track without INDEX 01; a second FILE; the command line's sheet.
{ mother 44100 3000000 1 1 4
  printf 'REM made by hand\r\nTITLE "The album"\r\nFILE "take.wav" WAVE\r\n  TRACK 01 AUDIO\r\n'
  printf '    TITLE "Intro"\r\n    INDEX 01 00:00:00\r\n  TRACK 02 AUDIO\r\n    TITLE "Song: One?"\r\n'
  printf '    INDEX 00 00:09:00\r\n    INDEX 01 00:10:01\r\n  track 03 audio\r\n    title Three\r\n'
  printf '    index 01 01:00:74\r\n  TRACK 04 MODE1/2352\r\n    INDEX 01 00:20:00\r\n'; } >$cue/every-command
{ mother 8000 3000000 1 1 4; printf 'TRACK 1 AUDIO\nINDEX 01 00:00:01\nTRACK 2 AUDIO\nINDEX 01 00:00:02\n'; } >$cue/rounded
{ mother 44100 441001 1 1 4
  printf 'TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE Last\nINDEX 01 00:10:00\n'; } >$cue/last-frame
{ mother 44100 3000000 1 1 4
  printf 'TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 00 00:01:00\n'; } >$cue/no-index-01
{ mother 44100 3000000 1 1 4; printf 'FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE b.wav WAVE\n'; } \
    >$cue/second-file
{ mother 1000 10000 2147483647 0 250
  printf 'FILE "take.wav" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n'
  printf '    TITLE "intro:one"\n    INDEX 01 00:02:00\n  TRACK 03 AUDIO\n    TITLE "a/b"\n'
  printf '    INDEX 01 00:06:00\n  TRACK 04 AUDIO\n    TITLE coda\n    INDEX 01 00:08:30\n'; } >$cue/names-top-numbers

# A stream seed: the sizes of four reads in turn (0: nothing yet), the rule (bit 0: at silences,
# else every 256 x (1 + the other bits) frames), then the Mother. The command line's test Mother,
# smaller: 16-bit mono at 1 000 frames a second with a bext, an iXML and an odd JUNK chunk, its
# data size true, 0 or 0xFFFFFFFF, and as RF64 with the sizes a pipe writer could not know.
pieces() { for size in "$@"; do printf "\\x$(printf %02x "$size")"; done; }
before_data() {
    chunk 'fmt ' 16; le16 1; le16 1; le32 1000; le32 2000; le16 2; le16 16
    chunk bext 602; head -c 338 /dev/zero; le32 4294966296; le32 0; head -c 256 /dev/zero
    chunk iXML 34; printf '<BWFXML><NOTE>take</NOTE></BWFXML>'
    chunk JUNK 3; printf 'odd\0'
}
streamed() { riff $((4 + 8 + 16 + 8 + 602 + 8 + 34 + 12 + 8 + 3000)); before_data; chunk data "$1"; samples 3000; }
{ pieces 250 0 7 100 2; streamed 3000; } >$stream/true-size-every-512
{ pieces 1 0 255 2 1; streamed 0; } >$stream/zero-size-at-silence
{ pieces 13 13 13 0 0; streamed 4294967295; } >$stream/ffff-size-every-256
{ pieces 255 255 255 255 4; printf RF64; le32 4294967295; printf WAVE; chunk ds64 28; head -c 28 /dev/zero
  before_data; chunk data 4294967295; samples 3000; } >$stream/rf64-unknown-sizes
# A header that ends inside a frame, one that lies about its chunks, a ds64 that claims
# everything, a LIST and a cue chunk before the samples.
{ pieces 3 0 0 3 2; canonical 401; } >$stream/ends-in-a-frame
{ pieces 9 0 9 0 2; riff 100; fmt16 1 2 44100 16; chunk LIST 4294967290; chunk data 64; samples 64; } >$stream/lying-list
{ pieces 64 64 64 64 2; printf RF64; le32 4294967295; printf WAVE; chunk ds64 28; le32 4294967295; le32 4294967295
  le32 4294967295; le32 4294967295; le32 4294967295; le32 4294967295; le32 0; fmt16 1 1 8000 8; chunk data 4294967295
  samples 400; } >$stream/ds64-claims-everything
{ pieces 40 1 0 17 6; riff 200; fmt16 1 2 22050 16; chunk LIST 16; printf 'INFOISFT'; le32 4; printf 'take'
  chunk 'cue ' 28; le32 1; cuepoint 1 3; chunk data 400; samples 400; } >$stream/list-and-cue-before-data

# The words of the lists, the sheets and the chunks, for the fuzzer to put in.
printf '%s\n' '"TRACK"' '"AUDIO"' '"INDEX"' '"01"' '"TITLE"' '"FILE"' '"WAVE"' '"REM"' '"\x09"' '"\x0d\x0a"' \
    '"\xEF\xBB\xBF"' '","' '"."' '":"' '"\x22"' '"\\"' >marks.dict
cp marks.dict $labels.dict
cp marks.dict $cue.dict
rm marks.dict
printf '%s\n' '"RIFF"' '"RF64"' '"BW64"' '"WAVE"' '"ds64"' '"fmt "' '"data"' '"LIST"' '"cue "' '"bext"' '"iXML"' \
    '"adtl"' '"labl"' '"\xff\xff\xff\xff"' '"\x00\x00\x00\x00"' >$stream.dict
