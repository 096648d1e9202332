#include "wav/SampleLevels.h"

#include <bit>
#include <cmath>

#include "wav/WavHeader.h"

namespace {

constexpr std::uint16_t PCM_TAG = 1;
constexpr std::uint16_t FLOAT_TAG = 3;
constexpr std::uint16_t EXTENSIBLE_TAG = 0xFFFE;

std::uint64_t readLe(const std::uint8_t* bytes, unsigned count)
{
    std::uint64_t value = 0;
    for (unsigned i = 0; i < count; ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return value;
}

// A signed integer of `bits` bits, stored in the low bits of `raw`, over 2^(bits-1).
double signedFraction(std::uint64_t raw, unsigned bits)
{
    const std::uint64_t half = std::uint64_t{1} << (bits - 1);
    const double value = raw >= half ? -static_cast<double>((half << 1) - raw) : static_cast<double>(raw);
    return value / static_cast<double>(half);
}

std::optional<SampleKind> kindOf(std::uint16_t tag, std::uint32_t sampleBytes)
{
    if (tag == PCM_TAG) {
        // clang-format off
        switch (sampleBytes) {
        case 1: return SampleKind::Unsigned8;
        case 2: return SampleKind::Signed16;
        case 3: return SampleKind::Signed24;
        case 4: return SampleKind::Signed32;
        default: return std::nullopt;
        }
        // clang-format on
    }
    if (tag == FLOAT_TAG && sampleBytes == 4) {
        return SampleKind::Float32;
    }
    if (tag == FLOAT_TAG && sampleBytes == 8) {
        return SampleKind::Float64;
    }
    return std::nullopt;
}

}  // namespace

std::optional<SampleLayout> sampleLayoutOf(const WavFormat& format)
{
    const std::uint16_t tag = format.formatTag == EXTENSIBLE_TAG ? format.subFormatTag : format.formatTag;
    const std::uint32_t sampleBytes = (format.bitsPerSample + 7u) / 8u;
    const std::optional<SampleKind> kind = kindOf(tag, sampleBytes);
    if (!kind || format.channels == 0 || format.blockAlign < format.channels * sampleBytes) {
        return std::nullopt;
    }
    return SampleLayout{*kind, format.channels, sampleBytes, format.blockAlign};
}

std::optional<SampleLayout> sampleLayoutOfHeader(const HeaderBytes& header)
{
    WavFormat format;
    format.formatTag = readLe16(&header[FORMAT_TAG_AT]);
    format.channels = readLe16(&header[CHANNELS_AT]);
    format.sampleRate = readLe32(&header[SAMPLE_RATE_AT]);
    format.byteRate = readLe32(&header[BYTE_RATE_AT]);
    format.blockAlign = readLe16(&header[BLOCK_ALIGN_AT]);
    format.bitsPerSample = readLe16(&header[BITS_PER_SAMPLE_AT]);
    return sampleLayoutOf(format);
}

double sampleValue(const std::uint8_t* sample, SampleKind kind)
{
    switch (kind) {
    case SampleKind::Unsigned8: return (static_cast<double>(sample[0]) - 128.0) / 128.0;
    case SampleKind::Signed16: return signedFraction(readLe(sample, 2), 16);
    case SampleKind::Signed24: return signedFraction(readLe(sample, 3), 24);
    case SampleKind::Signed32: return signedFraction(readLe(sample, 4), 32);
    case SampleKind::Float32:
        return static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(readLe(sample, 4))));
    case SampleKind::Float64: return std::bit_cast<double>(readLe(sample, 8));
    }
    return 0.0;
}

double sampleMagnitude(const std::uint8_t* sample, SampleKind kind) { return std::fabs(sampleValue(sample, kind)); }
