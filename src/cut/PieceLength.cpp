#include "cut/PieceLength.h"

#include <limits>

#include "core/AppState.h"

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

std::uint32_t roundDownToFrames(std::uint32_t rawBytes) { return rawBytes - rawBytes % BYTES_PER_FRAME; }

std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count)
{
    return count == 0 ? 0 : roundDownToFrames(dataBytes / count);
}
