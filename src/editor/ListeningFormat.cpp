#include "editor/ListeningFormat.h"

#include <cmath>
#include <cstring>

#include "wav/SampleFormat.h"

namespace {

constexpr std::size_t EXTENSIBLE_FMT_BYTES = 40;
constexpr std::size_t VALID_BITS_AT = 18;
constexpr std::size_t CHANNEL_MASK_AT = 20;

std::uint32_t littleEndian(const std::uint8_t* bytes, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

std::int16_t fromFloat(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    const double scaled = std::round(value * 32768.0);
    if (scaled >= 32767.0) {
        return 32767;
    }
    if (scaled <= -32768.0) {
        return -32768;
    }
    return static_cast<std::int16_t>(scaled);
}

// One sample as 16 bits: 8-bit samples are unsigned, wider ones keep their top 16 bits.
std::int16_t sample16(const SoundFormat& from, const std::uint8_t* at)
{
    const std::size_t bytes = (from.bitsPerSample + 7u) / 8u;
    if (from.isFloat) {
        if (bytes == 8) {
            std::uint64_t raw = 0;
            for (std::size_t i = 8; i-- > 0;) {
                raw = (raw << 8) | at[i];
            }
            double value = 0;
            std::memcpy(&value, &raw, sizeof value);
            return fromFloat(value);
        }
        const std::uint32_t raw = littleEndian(at, 4);
        float value = 0;
        std::memcpy(&value, &raw, sizeof value);
        return fromFloat(value);
    }
    if (bytes == 1) {
        return static_cast<std::int16_t>((static_cast<int>(at[0]) - 128) * 256);
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(littleEndian(at + bytes - 2, 2)));
}

void put16(std::uint8_t* out, std::int16_t value)
{
    const auto bits = static_cast<std::uint16_t>(value);
    out[0] = static_cast<std::uint8_t>(bits & 0xFF);
    out[1] = static_cast<std::uint8_t>(bits >> 8);
}

}  // namespace

SoundFormat soundFormatOf(const WavFormat& format, const std::vector<std::uint8_t>& fmtBody)
{
    SoundFormat sound;
    sound.isFloat = effectiveFormatTag(format) == FLOAT_FORMAT_TAG;
    sound.channels = format.channels;
    sound.sampleRate = format.sampleRate;
    sound.blockAlign = format.blockAlign;
    sound.bitsPerSample = format.bitsPerSample;
    sound.validBits = format.bitsPerSample;
    if (format.formatTag == EXTENSIBLE_FORMAT_TAG && fmtBody.size() >= EXTENSIBLE_FMT_BYTES) {
        const auto valid = static_cast<std::uint16_t>(littleEndian(&fmtBody[VALID_BITS_AT], 2));
        sound.validBits = valid != 0 ? valid : format.bitsPerSample;
        sound.channelMask = littleEndian(&fmtBody[CHANNEL_MASK_AT], 4);
    }
    return sound;
}

SoundFormat listeningFormat(std::uint32_t sampleRate) { return {false, 2, sampleRate, 4, 16, 16, 0}; }

void toListening(const SoundFormat& from, const std::uint8_t* in, std::size_t frames, std::uint8_t* out)
{
    const std::size_t sampleBytes = (from.bitsPerSample + 7u) / 8u;
    const std::size_t second = from.channels > 1 ? sampleBytes : 0;
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const std::uint8_t* at = in + frame * from.blockAlign;
        put16(out + frame * 4, sample16(from, at));
        put16(out + frame * 4 + 2, sample16(from, at + second));
    }
}
