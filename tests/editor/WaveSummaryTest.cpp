// The Mother's summary: its size against the Mother's, the lowest and highest sample of each
// block in every format, a stop asked for, and the picture of a view drawn from it or, close up,
// from the frames.
#include "editor/WaveSummary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// 16-bit stereo frames held in memory, read as the Mother's file would give them.
struct MemoryMother {
    std::vector<std::uint8_t> bytes;
    std::uint32_t frameBytes = 4;
    std::size_t reads = 0;
    FrameReader reader()
    {
        return [this](std::uint64_t first, std::uint8_t* into, std::size_t frames) {
            ++reads;
            const std::size_t have = bytes.size() / frameBytes;
            const std::size_t got = first >= have ? 0 : std::min<std::size_t>(frames, have - first);
            std::memcpy(into, bytes.data() + first * frameBytes, got * frameBytes);
            return got;
        };
    }
};

constexpr SampleLayout STEREO16{SampleKind::Signed16, 2, 2, 4};

MemoryMother ramp(std::size_t frames)
{
    MemoryMother mother;
    for (std::size_t f = 0; f < frames; ++f) {
        const auto left = static_cast<std::int16_t>(f % 2000);
        const auto right = static_cast<std::int16_t>(-static_cast<int>(f % 300));
        std::uint8_t frame[4];
        std::memcpy(frame, &left, 2);
        std::memcpy(frame + 2, &right, 2);
        mother.bytes.insert(mother.bytes.end(), frame, frame + 4);
    }
    return mother;
}

TEST(WaveSummary, HoldsAtMostOneByteInFiveHundredOfTheMother)
{
    struct Row {
        SampleLayout layout;
        std::uint64_t blockFrames;
    };
    for (const Row& row : {Row{STEREO16, 1024}, Row{{SampleKind::Unsigned8, 1, 1, 1}, 2048},
                           Row{{SampleKind::Signed24, 6, 3, 18}, 256}, Row{{SampleKind::Float64, 2, 8, 16}, 256}}) {
        EXPECT_EQ(summaryBlockFrames(row.layout), row.blockFrames) << row.layout.frameBytes;
        const std::uint64_t lanes = row.layout.channels >= 2 ? 2 : 1;
        EXPECT_LE(lanes * 4 * 500, row.blockFrames * row.layout.frameBytes);
    }
}

TEST(WaveSummary, KeepsEachBlocksLowestAndHighestSampleInOneReading)
{
    MemoryMother mother = ramp(5000);
    const std::optional<WaveSummary> summary =
        summarize(mother.reader(), STEREO16, 5000, [](std::uint64_t) { return true; });
    ASSERT_TRUE(summary);
    EXPECT_EQ(mother.reads, 1u);
    ASSERT_EQ(summary->blocks(), 5u);  // 1024 frames a block, the last of 904
    EXPECT_EQ(summary->ranges[0], (SampleRange{0, 1023}));
    EXPECT_EQ(summary->ranges[1], (SampleRange{-299, 0}));
    EXPECT_EQ(summary->ranges[2], (SampleRange{0, 1999}));  // frames 1024..2047 wrap at 2000
    EXPECT_EQ(summary->ranges[8], (SampleRange{96, 999}));  // frames 4096..4999
    EXPECT_LE(summary->bytes() * 500, mother.bytes.size());
}

TEST(WaveSummary, AStopAskedForGivesNoSummary)
{
    MemoryMother mother = ramp(200000);
    std::uint64_t told = 0;
    const auto stopHalfWay = [&](std::uint64_t read) {
        told = read;
        return read < 100000;
    };
    EXPECT_FALSE(summarize(mother.reader(), STEREO16, 200000, stopHalfWay));
    EXPECT_EQ(told, 131072u);
}

TEST(WaveSummary, DrawnSamplesAreTheWaveformsSixteenBitValues)
{
    const std::uint8_t full24[3] = {0xFF, 0xFF, 0x7F};
    const std::uint8_t low8[1] = {0};
    const float over = 2.5f;
    std::uint8_t floatBytes[4];
    std::memcpy(floatBytes, &over, 4);
    const std::uint8_t most16[2] = {0x00, 0x80};
    EXPECT_EQ(drawnSample(full24, SampleKind::Signed24), 32767);
    EXPECT_EQ(drawnSample(low8, SampleKind::Unsigned8), -32767);
    EXPECT_EQ(drawnSample(floatBytes, SampleKind::Float32), 32767);
    EXPECT_EQ(drawnSample(most16, SampleKind::Signed16), -32767);
}

TEST(WaveSummary, APictureComesFromTheSummaryFarOffAndFromTheFramesCloseUp)
{
    MemoryMother mother = ramp(1 << 20);
    const WaveSummary summary = *summarize(mother.reader(), STEREO16, 1 << 20, [](std::uint64_t) { return true; });
    mother.reads = 0;
    WavePicture picture;
    drawWave(wholeView(1 << 20, 512), summary, mother.reader(), picture);
    EXPECT_EQ(mother.reads, 0u);
    EXPECT_FALSE(picture.points);
    ASSERT_EQ(picture.columns[0].size(), 512u);
    EXPECT_EQ(picture.columns[0][0].range, (SampleRange{0, 1999}));
    EXPECT_EQ(picture.columns[1][0].range, (SampleRange{-299, 0}));
    // 32 frames over 256 pixels: each frame a point, 8 pixels apart, read from the Mother.
    drawWave(WaveView{1 << 20, 2010, 32, 256}, summary, mother.reader(), picture);
    EXPECT_EQ(mother.reads, 1u);
    ASSERT_TRUE(picture.points);
    ASSERT_GE(picture.samples[0].size(), 32u);
    EXPECT_EQ(picture.samples[0][0].x, 0);
    EXPECT_EQ(picture.samples[0][0].value, 10);  // frame 2010 is 2010 % 2000
    EXPECT_EQ(picture.samples[0][1].x, 8);
    EXPECT_EQ(picture.samples[1][1].value, -211);  // 2011 % 300
}

TEST(WaveSummary, AFarViewDrawsFromACoarserLevelWithinTheSameShare)
{
    // Eight columns of 2^20 frames each, every frame of a column holding its column's number.
    constexpr std::uint64_t FRAMES = std::uint64_t{1} << 23;
    const FrameReader columns = [](std::uint64_t first, std::uint8_t* into, std::size_t frames) {
        for (std::size_t i = 0; i < frames; ++i) {
            const auto left = static_cast<std::int16_t>((first + i) >> 20);
            const auto right = static_cast<std::int16_t>(-left);
            std::memcpy(into + i * 4, &left, 2);
            std::memcpy(into + i * 4 + 2, &right, 2);
        }
        return frames;
    };
    const WaveSummary summary = *summarize(columns, STEREO16, FRAMES, [](std::uint64_t) { return true; });
    ASSERT_EQ(summary.coarser.size(), 2u);
    EXPECT_EQ(summary.coarser[0].size(), 256u);  // 128 blocks of 65 536 frames, two lanes
    EXPECT_LE(summary.bytes() * 500, FRAMES * 4);
    WavePicture picture;
    drawWave(wholeView(FRAMES, 8), summary, columns, picture);
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(picture.columns[0][static_cast<std::size_t>(x)].range,
                  (SampleRange{static_cast<std::int16_t>(x), static_cast<std::int16_t>(x)}));
        EXPECT_EQ(picture.columns[1][static_cast<std::size_t>(x)].range,
                  (SampleRange{static_cast<std::int16_t>(-x), static_cast<std::int16_t>(-x)}));
    }
}

}  // namespace
