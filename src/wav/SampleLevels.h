// How loud one sample is, for every PCM layout a recording may have: integer samples of 1 to 4
// bytes (one byte is unsigned, centred on 128; wider ones are signed), IEEE float samples of 4
// or 8 bytes, any number of channels, and frames (the fmt's block align) that may be wider than
// their samples.
#pragma once

#include <cstdint>
#include <optional>

#include "core/AudioFormat.h"
#include "wav/WavChunks.h"

enum class SampleKind { Unsigned8, Signed16, Signed24, Signed32, Float32, Float64 };

struct SampleLayout {
    SampleKind kind = SampleKind::Signed16;
    std::uint32_t channels = 0;
    std::uint32_t sampleBytes = 0;  // one channel's sample, at sampleBytes x channel within the frame
    std::uint32_t frameBytes = 0;   // the block align

    friend bool operator==(const SampleLayout&, const SampleLayout&) = default;
};

// The layout a fmt chunk describes: PCM or float by its tag (or an extensible format's sub-format),
// the sample's container size from its bits per sample (12 bits stand in 2 bytes, as written).
// None for another format, no channels, or a block align that cannot hold a sample per channel.
std::optional<SampleLayout> sampleLayoutOf(const WavFormat& format);

// The layout of the fixed 44-byte header's format fields, as sampleLayoutOf a fmt chunk.
std::optional<SampleLayout> sampleLayoutOfHeader(const HeaderBytes& header);

// The sample as a fraction of full scale, with its sign: an integer sample of n bits over 2^(n-1),
// so the most negative value is exactly -1 (an 8-bit one centred on 128); a float sample as it
// stands. Not a number stays not a number.
double sampleValue(const std::uint8_t* sample, SampleKind kind);

// The sample's distance from silence: the value without its sign.
double sampleMagnitude(const std::uint8_t* sample, SampleKind kind);
