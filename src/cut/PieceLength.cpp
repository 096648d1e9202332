#include "cut/PieceLength.h"

#include <array>
#include <limits>

#include "app/AppState.h"

namespace {

// One pass of the rounding: a step size and the multiples of it tried, largest first.
struct RoundingPass {
    std::uint32_t unit = 0;
    std::array<std::uint32_t, 4> factors{};
};

// A factor of 0 ends a pass's list early.
constexpr std::array<RoundingPass, 3> ROUNDING_PASSES = {
    RoundingPass{BYTES_PER_SECOND, {1000, 100, 10, 1}},
    RoundingPass{BYTES_PER_CENTISECOND, {100, 10, 1, 0}},
    RoundingPass{BYTES_PER_FRAME, {1000, 100, 10, 1}},
};

// Adds whole steps to acc while they fit under rawBytes; compared as a difference so that no sum
// can wrap near 4 GiB.
std::uint32_t addSteps(std::uint32_t acc, std::uint32_t step, std::uint32_t rawBytes)
{
    while (step <= rawBytes - acc) {
        acc += step;
    }
    return acc;
}

}  // namespace

// Each unit is a whole number of hundredths, and so of frames.
std::uint32_t bytesPerUnit(TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Hundredths: return BYTES_PER_CENTISECOND;
    case TimeUnit::Tenths: return 10 * BYTES_PER_CENTISECOND;
    case TimeUnit::Quarters: return 25 * BYTES_PER_CENTISECOND;
    case TimeUnit::Halves: return 50 * BYTES_PER_CENTISECOND;
    case TimeUnit::Seconds: return BYTES_PER_SECOND;
    }
    return BYTES_PER_SECOND;
}

std::uint32_t largestUnitCount(TimeUnit unit) { return std::numeric_limits<std::uint32_t>::max() / bytesPerUnit(unit); }

std::uint32_t roundDownToFrames(std::uint32_t rawBytes)
{
    std::uint32_t acc = 0;
    for (const RoundingPass& pass : ROUNDING_PASSES) {
        for (std::uint32_t factor : pass.factors) {
            if (factor != 0) {
                acc = addSteps(acc, factor * pass.unit, rawBytes);
            }
        }
    }
    return acc;
}

std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count)
{
    return count == 0 ? 0 : roundDownToFrames(dataBytes / count);
}
