#include "display/WaveScale.h"

#include <algorithm>

#include "core/AudioFormat.h"

namespace {

constexpr double SAMPLING_BUDGET = 600000.0;

}  // namespace

std::uint32_t framesPerPixelOf(std::uint32_t frames, int width)
{
    const std::uint32_t perPixel = frames / static_cast<std::uint32_t>(width);
    return perPixel == 0 ? 1 : perPixel;
}

SampledScale sampledScale(std::uint32_t framesPerPixel)
{
    SampledScale scale;
    scale.framesPerPixel = framesPerPixel;
    const auto wanted = static_cast<std::uint32_t>(SAMPLING_BUDGET / (framesPerPixel + 1.0) + 1.0);
    scale.samplesPerColumn = std::min({wanted, MAX_SAMPLES_PER_COLUMN, framesPerPixel});
    scale.strideBytes = framesPerPixel / scale.samplesPerColumn * BYTES_PER_FRAME;
    return scale;
}
