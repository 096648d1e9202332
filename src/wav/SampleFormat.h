// The sample formats a split in the Mother's own time can cut: PCM integers of 8, 16, 24 and 32
// bits and IEEE floats of 32 and 64 bits, in a plain or an extensible fmt chunk, any number of
// channels at any rate. A frame is the fmt's block align, which may be wider than its samples.
#pragma once

#include <cstdint>

#include "wav/WavChunks.h"

inline constexpr std::uint16_t PCM_FORMAT_TAG = 1;
inline constexpr std::uint16_t FLOAT_FORMAT_TAG = 3;
inline constexpr std::uint16_t EXTENSIBLE_FORMAT_TAG = 0xFFFE;

// The first reason the samples cannot be cut at whole frames, in the order they are looked for.
enum class FormatProblem {
    None,
    OtherTag,    // neither PCM nor IEEE float (compressed formats, an unknown sub-format)
    OtherBits,   // a sample size its format tag does not have
    NoChannels,  // 0 channels
    NoRate,      // 0 frames per second
    BlockAlign,  // a block align of 0, or one too small for every channel's sample
};

// The format tag that says what the samples are: an extensible fmt's sub-format, 0 when that is
// not one of the base formats; otherwise the fmt's own tag.
std::uint16_t effectiveFormatTag(const WavFormat& format);

FormatProblem sampleFormatProblem(const WavFormat& format);
