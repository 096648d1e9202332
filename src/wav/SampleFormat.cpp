#include "wav/SampleFormat.h"

namespace {

constexpr std::uint32_t BITS_PER_BYTE = 8;

bool bitsAllowed(std::uint16_t tag, std::uint16_t bits)
{
    if (tag == PCM_FORMAT_TAG) {
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    }
    return bits == 32 || bits == 64;
}

}  // namespace

std::uint16_t effectiveFormatTag(const WavFormat& format)
{
    return format.formatTag == EXTENSIBLE_FORMAT_TAG ? format.subFormatTag : format.formatTag;
}

FormatProblem sampleFormatProblem(const WavFormat& format)
{
    const std::uint16_t tag = effectiveFormatTag(format);
    if (tag != PCM_FORMAT_TAG && tag != FLOAT_FORMAT_TAG) {
        return FormatProblem::OtherTag;
    }
    if (!bitsAllowed(tag, format.bitsPerSample)) {
        return FormatProblem::OtherBits;
    }
    if (format.channels == 0) {
        return FormatProblem::NoChannels;
    }
    if (format.sampleRate == 0) {
        return FormatProblem::NoRate;
    }
    // With at least one channel of at least one byte, a block align of 0 is too small as well.
    const std::uint32_t container = (format.bitsPerSample + BITS_PER_BYTE - 1) / BITS_PER_BYTE;
    if (format.blockAlign < format.channels * container) {
        return FormatProblem::BlockAlign;
    }
    return FormatProblem::None;
}
