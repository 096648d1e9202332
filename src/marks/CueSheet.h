// Cutting at a CUE sheet: every `TRACK nn AUDIO` starts a Child at its `INDEX 01 mm:ss:ff`, named
// by the track's `TITLE`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "marks/MarksFile.h"

// The Children are the Mother cut at every audio track's INDEX 01, from frame 0 to its end, as
// spansBetweenCuts makes them. A time is minutes, seconds (below 60) and frames of the sheet (75 a
// second, below 75), rounded to the nearest frame at the Mother's rate. Keywords are read in any
// case; other tracks, other indexes, the sheet's own TITLE before its first track and other
// commands (REM, PERFORMER, FLAGS, ...) are passed over. Refused, naming the line: a time that is
// not mm:ss:ff, a time past the Mother's end, an audio track without INDEX 01, a second FILE (a
// sheet of several recordings); and a sheet without an audio track.
MarksRead spansFromCueSheet(std::string_view text, const std::string& fileName, std::uint32_t sampleRate,
                            std::uint64_t totalFrames);
