#include "cut/PieceLength.h"

#include <limits>

namespace {

constexpr std::uint64_t LARGEST_PIECE = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::uint32_t unitsPerSecond(TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Hundredths: return 100;
    case TimeUnit::Tenths: return 10;
    case TimeUnit::Quarters: return 4;
    case TimeUnit::Halves: return 2;
    case TimeUnit::Seconds: return 1;
    }
    return 1;
}

// The product first, then the division: a hundredth of a Mother's second need not be whole bytes,
// nor whole frames, but the piece is rounded down only once.
std::uint64_t timePieceBytes(std::uint32_t units, TimeUnit unit, const MotherTime& time)
{
    return wholeFramesIn(time, std::uint64_t{units} * time.bytesPerSecond / unitsPerSecond(unit));
}

// The largest n with n x bytesPerSecond / unitsPerSecond below 2^32.
std::uint32_t largestUnitCount(TimeUnit unit, const MotherTime& time)
{
    const std::uint64_t largest = ((LARGEST_PIECE + 1) * unitsPerSecond(unit) - 1) / time.bytesPerSecond;
    return static_cast<std::uint32_t>(largest < LARGEST_PIECE ? largest : LARGEST_PIECE);
}

// Each unit of 44 100 Hz is a whole number of hundredths, and so of frames.
std::uint32_t bytesPerUnit(TimeUnit unit) { return static_cast<std::uint32_t>(timePieceBytes(1, unit, MotherTime{})); }

std::uint32_t largestUnitCount(TimeUnit unit) { return largestUnitCount(unit, MotherTime{}); }

std::uint32_t roundDownToFrames(std::uint32_t rawBytes) { return rawBytes - rawBytes % BYTES_PER_FRAME; }

std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count)
{
    return countPieceBytes(dataBytes, count, BYTES_PER_FRAME);
}

std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count, std::uint32_t frameBytes)
{
    if (count == 0 || frameBytes == 0) {
        return 0;
    }
    const std::uint32_t rawBytes = dataBytes / count;
    return rawBytes - rawBytes % frameBytes;
}

std::uint32_t pieceBytesLike(std::uint32_t templateBytes, std::uint32_t templateBytesPerSecond, const MotherTime& time)
{
    const std::uint64_t perSecond = templateBytesPerSecond == 0 ? BYTES_PER_SECOND : templateBytesPerSecond;
    const std::uint64_t bytes = std::uint64_t{templateBytes} * time.bytesPerSecond / perSecond;
    return static_cast<std::uint32_t>(wholeFramesIn(time, bytes < LARGEST_PIECE ? bytes : LARGEST_PIECE));
}
