#include "wav/WavHeader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/ScratchFiles.h"

namespace {

::testing::AssertionResult sameBytes(const HeaderBytes& expected, const HeaderBytes& actual)
{
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != actual[i]) {
            return ::testing::AssertionFailure() << "first difference at offset " << i << " (position " << i + 1
                                                 << "): expected " << int{expected[i]} << ", got " << int{actual[i]};
        }
    }
    return ::testing::AssertionSuccess();
}

HeaderBytes filledWith(std::uint8_t value)
{
    HeaderBytes header{};
    header.fill(value);
    return header;
}

}  // namespace

TEST(WavHeader, ReadsSignedSamplesLowByteFirst)
{
    struct Case {
        std::uint8_t low;
        std::uint8_t high;
        int expected;
    };
    const std::array cases = {Case{0, 0, 0}, Case{255, 127, 32767}, Case{0, 128, -32768}, Case{255, 255, -1},
                              Case{1, 2, 513}};
    for (const Case& c : cases) {
        SCOPED_TRACE("bytes " + std::to_string(c.low) + ", " + std::to_string(c.high));
        EXPECT_EQ(c.expected, readLe16Signed(c.low, c.high));
    }
}

TEST(WavHeader, ReadsUnsigned32LowByteFirst)
{
    struct Case {
        std::array<std::uint8_t, 4> bytes;
        std::uint32_t expected;
    };
    const std::array cases = {Case{{36, 0, 0, 0}, 36}, Case{{0, 0, 0, 1}, 16777216},
                              Case{{255, 255, 255, 255}, 4294967295u}, Case{{16, 177, 2, 0}, 176400}};
    for (const Case& c : cases) {
        SCOPED_TRACE("value " + std::to_string(c.expected));
        EXPECT_EQ(c.expected, readLe32(c.bytes.data()));
    }
}

TEST(WavHeader, WritesExactlyFourBytesLowFirst)
{
    std::array<std::uint8_t, 6> bytes = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    writeLe32(176436, &bytes[1]);
    EXPECT_EQ((std::array<std::uint8_t, 6>{0xAA, 52, 177, 2, 0, 0xAA}), bytes);
    writeLe32(0, &bytes[1]);
    EXPECT_EQ((std::array<std::uint8_t, 6>{0xAA, 0, 0, 0, 0, 0xAA}), bytes);
}

TEST(WavHeader, DefaultHeaderWithSizesOfOneSecondIsTheChildHeader)
{
    // clang-format off
    const HeaderBytes expected = {
        82, 73, 70, 70,                  // "RIFF"
        52, 177, 2, 0,                   // RIFF size: 176 400 + 36
        87, 65, 86, 69, 102, 109, 116, 32,  // "WAVEfmt "
        16, 0, 0, 0,                     // fmt chunk size 16
        1, 0,                            // format tag 1: PCM
        2, 0,                            // 2 channels
        68, 172, 0, 0,                   // 44 100 frames per second
        16, 177, 2, 0,                   // 176 400 bytes per second
        4, 0,                            // 4 bytes per frame
        16, 0,                           // 16 bits per sample
        100, 97, 116, 97,                // "data"
        16, 177, 2, 0,                   // data size 176 400
    };
    // clang-format on
    AppState state;
    state.headerBuf = filledWith(0xEE);
    fillDefaultHeader(state);
    writeHeaderSizes(state.headerBuf, 176400);
    EXPECT_TRUE(sameBytes(expected, state.headerBuf));
}

TEST(WavHeader, DefaultHeaderLeavesBothSizeFieldsAlone)
{
    HeaderBytes header = filledWith(0xEE);
    fillDefaultHeader(header);
    EXPECT_EQ(0xEEEEEEEEu, readLe32(&header[RIFF_SIZE_AT]));
    EXPECT_EQ(0xEEEEEEEEu, headerDataSize(header));
}

TEST(WavHeader, ReadFromShortFileChangesOnlyTheBytesRead)
{
    ScratchFolder folder;
    std::vector<std::uint8_t> twenty(20);
    for (std::size_t i = 0; i < twenty.size(); ++i) {
        twenty[i] = static_cast<std::uint8_t>(i + 1);
    }
    HeaderBytes header = filledWith(0xEE);
    HeaderBytes expected = header;
    std::copy(twenty.begin(), twenty.end(), expected.begin());

    const HeaderRead read = readHeaderFile(folder.write("short.wav", twenty), header);

    EXPECT_TRUE(read.opened);
    EXPECT_EQ(20u, read.bytesRead);
    EXPECT_TRUE(sameBytes(expected, header));
}

TEST(WavHeader, ReadFromMissingFileReportsItAndChangesNothing)
{
    ScratchFolder folder;
    HeaderBytes header = filledWith(0xEE);
    const HeaderRead read = readHeaderFile(folder.path("absent.wav"), header);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(0u, read.bytesRead);
    EXPECT_TRUE(sameBytes(filledWith(0xEE), header));
}
