#include "display/WaveSamples.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace {

constexpr double FULL_SCALE = 32768.0;
constexpr int LARGEST = 32767;
constexpr int LEFT_OUT = -32768;

// Two samples of at most 8 bytes: all a frame's drawing reads of it.
constexpr std::size_t LARGEST_SAMPLE_BYTES = 8;

std::optional<int> sampleAt(const std::uint8_t* bytes, std::size_t read, std::size_t at, const SampleLayout& layout)
{
    if (read < at + layout.sampleBytes) {
        return std::nullopt;
    }
    return drawableValue(sampleValue(bytes + at, layout.kind));
}

}  // namespace

std::optional<int> drawableValue(double fraction)
{
    if (std::isnan(fraction)) {
        return std::nullopt;
    }
    const double scaled = std::trunc(fraction * FULL_SCALE);
    if (scaled > LARGEST || scaled < LEFT_OUT) {
        return scaled > 0 ? LARGEST : -LARGEST;
    }
    const int value = static_cast<int>(scaled);
    if (value == LEFT_OUT) {
        return std::nullopt;
    }
    return value;
}

DrawableFrame readDrawableFrame(std::FILE* stream, const SampleLayout& layout)
{
    std::array<std::uint8_t, 2 * LARGEST_SAMPLE_BYTES> bytes{};
    const std::size_t secondAt = layout.channels >= 2 ? layout.sampleBytes : 0;
    const std::size_t wanted = secondAt + layout.sampleBytes;
    const std::size_t read = std::fread(bytes.data(), 1, wanted, stream);
    // The rest of a wider frame (more channels, or samples in wider containers) is passed over.
    if (read == wanted && layout.frameBytes > wanted) {
        std::fseek(stream, static_cast<long>(layout.frameBytes - wanted), SEEK_CUR);
    }
    return DrawableFrame{sampleAt(bytes.data(), read, 0, layout), sampleAt(bytes.data(), read, secondAt, layout)};
}
