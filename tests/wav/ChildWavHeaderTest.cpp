#include "wav/ChildWavHeader.h"

#include <gtest/gtest.h>

#include "support/WavLayouts.h"

namespace {

Bytes bodyOf(const Bytes& fmtChunk) { return Bytes(fmtChunk.begin() + 8, fmtChunk.end()); }

}  // namespace

TEST(ChildWavHeader, CarriesTheMothersFmtAsItStands)
{
    // A canonical Mother's Child: the 44 bytes of old, sizes of 1000 sample bytes.
    const Bytes canonical =
        join({ascii("RIFF"), {0x0C, 0x04, 0, 0}, ascii("WAVE"), FMT_16, ascii("data"), {0xE8, 0x03, 0, 0}});
    EXPECT_EQ(childWavHeader(bodyOf(FMT_16), 4, 1000), canonical);
    EXPECT_EQ(childWavHeaderBytes(16, 1000), 44u);

    // 5.1 24-bit extensible: the 40-byte body, channel mask and sub-format kept; 72 = 4 + 48 + 8 + 12.
    const Bytes fmt40 = extensibleFmt(6, 24);
    const Bytes expected = join({ascii("RIFF"), {72, 0, 0, 0}, ascii("WAVE"), fmt40, ascii("data"), {12, 0, 0, 0}});
    EXPECT_EQ(childWavHeader(bodyOf(fmt40), 18, 12), expected);

    WavLayout layout;
    layout.fmtBody = bodyOf(fmt40);
    EXPECT_EQ(carriedFmtBody(layout), bodyOf(fmt40));
    layout.fmtBody.resize(17);  // an odd fmt: cut to an even length
    EXPECT_EQ(carriedFmtBody(layout).size(), 16u);
}

TEST(ChildWavHeader, AChildOfFourGibibytesOrMoreIsRf64)
{
    // The largest plain Child: 44 + data = 4 GiB - 1.
    EXPECT_FALSE(needsRf64(16, 0xFFFFFFFFull - 44));
    EXPECT_TRUE(needsRf64(16, 0x100000000ull - 44));
    const std::uint64_t data = 0x140000000ull;  // 5 GiB of 16-bit stereo
    // clang-format off
    const Bytes expected = join({
        ascii("RF64"), {0xFF, 0xFF, 0xFF, 0xFF}, ascii("WAVE"),
        ascii("ds64"), {28, 0, 0, 0},
        {0x48, 0, 0, 0x40, 0x01, 0, 0, 0},  // RIFF size: 80 - 8 + 5 GiB
        {0, 0, 0, 0x40, 0x01, 0, 0, 0},     // data size 5 GiB
        {0, 0, 0, 0x50, 0, 0, 0, 0},        // 5 GiB / 4 frames
        {0, 0, 0, 0},                       // no table
        FMT_16, ascii("data"), {0xFF, 0xFF, 0xFF, 0xFF}});
    // clang-format on
    EXPECT_EQ(childWavHeader(bodyOf(FMT_16), 4, data), expected);
    EXPECT_EQ(childWavHeaderBytes(16, data), 80u);
}
