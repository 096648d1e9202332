// Cutting at the pauses between takes: in the middle of every long enough stretch where every
// channel stays below a level.
#pragma once

#include <cstdint>

#include "wav/ChildSpan.h"
#include "wav/SampleLevels.h"
#include "wav/WavChunks.h"

struct SilenceRule {
    double thresholdDb = -50.0;         // dBFS; a frame is silent when every sample is below it
    std::uint64_t shortestSilence = 0;  // frames; a shorter stretch gives no cut
    std::uint64_t shortestPiece = 0;    // frames; a shorter piece is merged into the one before
};

// The Mother's samples as the rule reads them: its frames from a byte offset, through a reader.
struct SilenceSource {
    ByteReader readAt;
    std::uint64_t dataAt = 0;  // the first sample byte
    std::uint64_t frames = 0;
    SampleLayout layout;
};

struct SilenceCuts {
    ChildSpans spans;            // frame 0 to the end; the whole Mother as one Child without a cut
    std::uint64_t silences = 0;  // stretches long enough between sounds, each giving a cut
    bool readWhole = true;       // false when the reader gave fewer bytes than the frames need
};

// The frames are read in blocks of at most this many bytes, never the whole file at once.
inline constexpr std::uint64_t SILENCE_BLOCK_BYTES = 1 << 20;

// A cut in the middle of every stretch of at least shortestSilence silent frames (at its first
// frame plus half its length, rounded down); stretches at the very start or end add no cut. Then
// every piece shorter than shortestPiece is merged into the one before it; a short first piece,
// having none before it, into the one after. A read that comes short stops the search there.
SilenceCuts spansAtSilence(const SilenceSource& source, const SilenceRule& rule);
