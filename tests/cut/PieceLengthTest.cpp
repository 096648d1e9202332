#include "cut/PieceLength.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

struct UnitCase {
    TimeUnit unit;
    const char* name;
    std::uint32_t bytes;
    std::uint32_t largest;
};

// clang-format off
constexpr std::array UNITS = {
    UnitCase{TimeUnit::Hundredths, "hundredths", 1764, 2434788},
    UnitCase{TimeUnit::Tenths, "tenths", 17640, 243478},
    UnitCase{TimeUnit::Quarters, "quarters", 44100, 97391},
    UnitCase{TimeUnit::Halves, "halves", 88200, 48695},
    UnitCase{TimeUnit::Seconds, "seconds", 176400, 24347},
};
// clang-format on

constexpr std::uint64_t FOUR_GIB = std::uint64_t{1} << 32;

}  // namespace

TEST(PieceLength, EachUnitIsAWholeNumberOfFrames)
{
    for (const UnitCase& c : UNITS) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bytes, bytesPerUnit(c.unit));
        EXPECT_EQ(0u, bytesPerUnit(c.unit) % 4);
    }
}

TEST(PieceLength, LargestCountIsTheLastThatFitsIn32Bits)
{
    for (const UnitCase& c : UNITS) {
        SCOPED_TRACE(c.name);
        const std::uint32_t largest = largestUnitCount(c.unit);
        EXPECT_EQ(c.largest, largest);
        EXPECT_LT(std::uint64_t{largest} * c.bytes, FOUR_GIB);
        EXPECT_GE((std::uint64_t{largest} + 1) * c.bytes, FOUR_GIB);
    }
}

TEST(PieceLength, RoundingKeepsTheLargestWholeFrameCount)
{
    const std::array raws = {0u,      1u,      3u,      4u,        7u,         1763u,      1764u,
                             176399u, 176400u, 333334u, 10584000u, 176400003u, 176400000u, 4294967295u};
    for (std::uint32_t raw : raws) {
        SCOPED_TRACE("raw " + std::to_string(raw));
        EXPECT_EQ(raw - raw % 4, roundDownToFrames(raw));
    }
}

TEST(PieceLength, TooManyPiecesOrNoneGiveNoLength)
{
    EXPECT_EQ(4u, countPieceBytes(1000, 250));
    EXPECT_EQ(0u, countPieceBytes(1000, 251));
    EXPECT_EQ(0u, countPieceBytes(1000, 0));
}
