#include "ui/SoundDevice.h"

namespace {

constexpr std::uint16_t PLAIN_PCM_TAG = 1;
constexpr std::uint16_t EXTENSIBLE_TAG = 0xFFFE;
constexpr std::uint16_t FLOAT_SUBFORMAT = 3;
constexpr std::uint16_t PCM_SUBFORMAT = 1;
constexpr std::uint16_t EXTENSION_BYTES = 22;
// The GUID of every base sub-format after its leading 16-bit code: xxxx0000-0000-0010-8000-00AA00389B71.
constexpr std::uint8_t SUBFORMAT_TAIL[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

}  // namespace

bool needsExtensibleForm(const SoundFormat& format)
{
    return format.channels > 2 || format.bitsPerSample > 16 || format.isFloat;
}

std::vector<std::uint8_t> waveFormatBytes(const SoundFormat& format)
{
    const bool extensible = needsExtensibleForm(format);
    std::vector<std::uint8_t> out;
    put16(out, extensible ? EXTENSIBLE_TAG : PLAIN_PCM_TAG);
    put16(out, format.channels);
    put32(out, format.sampleRate);
    put32(out, format.sampleRate * format.blockAlign);
    put16(out, format.blockAlign);
    put16(out, format.bitsPerSample);
    put16(out, extensible ? EXTENSION_BYTES : 0);
    if (extensible) {
        put16(out, format.validBits != 0 ? format.validBits : format.bitsPerSample);
        put32(out, format.channelMask);
        put16(out, format.isFloat ? FLOAT_SUBFORMAT : PCM_SUBFORMAT);
        out.insert(out.end(), std::begin(SUBFORMAT_TAIL), std::end(SUBFORMAT_TAIL));
    }
    return out;
}
