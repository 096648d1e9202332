#include "display/DisplayCommands.h"

#include "app/Dispatch.h"
#include "display/DisplayFixture.h"
#include "res/resource.h"
#include "support/WavLayouts.h"

namespace {

// Baselines at 100 and 300.
class WaveSampled : public DisplayFixture {
protected:
    WaveSampled() { fake.client = ClientRect{0, 0, 10, 400}; }
};

}  // namespace

TEST_F(WaveSampled, EachColumnFansFromThePreviousOneToItsExtremes)
{
    // 30 frames of data over 10 pixels: 3 frames a column, all read; column x = file position / 12.
    std::vector<Frame> frames(6);
    frames[0] = {12200, -12200};
    frames[1] = {-32768, 32767};
    frames[2] = {-6100, 6100};  // position 52 closes the first column, x = 4
    frames[3] = {-32767, 0};
    loadMother(188, frames, 47);
    showWaveSampled(ctx);
    const std::vector<Line> drawn = lines();

    // clang-format off
    const std::vector<Line> firstColumns = {
        {YELLOW, 0, 100, 10, 100}, {BLUE, 0, 300, 10, 300},
        {YELLOW, 0, 300, 4, 350},  {YELLOW, 0, 300, 4, 200}, {BLUE, 0, 100, 4, 200}, {BLUE, 0, 100, 4, -168},
        {YELLOW, 4, 300, 5, 568},  {YELLOW, 4, 300, 5, 300}, {BLUE, 4, 100, 5, 100}, {BLUE, 4, 100, 5, 100},
    };
    // clang-format on
    ASSERT_GE(drawn.size(), firstColumns.size());
    EXPECT_EQ(std::vector<Line>(drawn.begin(), drawn.begin() + 10), firstColumns);
    // Columns 4 to 10; the one that reaches the right edge is the last read.
    ASSERT_EQ(drawn.size(), 30u);
    EXPECT_EQ(drawn.back(), (Line{BLUE, 9, 100, 10, 100}));
    EXPECT_EQ(state.motherStream, nullptr);
}

TEST_F(WaveSampled, ASkippedFirstClosingLeftSampleLetsTheRightChannelDrawToColumnZero)
{
    // Fewer frames than pixels: every frame is a column of its own.
    fake.client = ClientRect{0, 0, 100, 400};
    std::vector<Frame> frames(2);
    frames[0] = {-32768, 12200};
    loadMother(88, frames, 22);
    showWaveSampled(ctx);
    const std::vector<Line> drawn = lines();
    ASSERT_GE(drawn.size(), 5u);
    EXPECT_EQ(drawn[2], (Line{BLUE, 0, 100, 0, 100}));
    EXPECT_EQ(drawn[3], (Line{BLUE, 0, 100, 0, 0}));
    EXPECT_EQ(drawn[4], (Line{YELLOW, 0, 300, 12, 300}));
}

TEST_F(WaveSampled, BothMenuItemsDrawTheSameAndCanBeRepeated)
{
    std::vector<Frame> frames(400);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        frames[i] = {static_cast<int>(i * 7919 % 65535) - 32767, static_cast<int>(i * 104729 % 65535) - 32767};
    }
    loadMother(1668, frames, 417);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW_ULTRAFAST));
    const std::vector<Line> ultrafast = lines();
    fake.drawings.clear();
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW_AUTO));
    EXPECT_GT(ultrafast.size(), 20u);
    EXPECT_EQ(lines(), ultrafast);
    EXPECT_EQ(state.motherStream, nullptr);

    // A Mother that can no longer be opened: the baselines only.
    fake.drawings.clear();
    state.motherPath = folder.path("gone.wav");
    showWaveSampled(ctx);
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(state.motherStream, nullptr);
}

TEST_F(WaveSampled, AMotherOfNearlyFourGibibytesIsDrawnAcrossTheWholeWidth)
{
    fake.client = ClientRect{0, 0, 1008, 541};
    const std::uint32_t fileBytes = 0xFFFFFFFFu;
    state.motherPath = folder.writeWav("huge.wav", pcmHeader(fileBytes - 44), fileBytes);
    state.motherChosen = 1;
    state.motherFileBytes = fileBytes;
    state.motherDataBytes = fileBytes - 44 - 68;
    showWaveSampled(ctx);
    const std::vector<Line> drawn = lines();
    ASSERT_GT(drawn.size(), 2u);
    for (std::size_t i = 3; i < drawn.size(); ++i) {
        ASSERT_LE(drawn[i - 1].x2, drawn[i].x2) << "line " << i;
    }
    EXPECT_GE(drawn.back().x2, 1000);
    EXPECT_LE(drawn.back().x1, 1008);
}

// Chunks before or after the samples are never drawn: every layout of the same samples draws what
// the canonical file draws, in both drawings. At 4 frames a column, the 134 bytes of chunks before
// the data of one layout are eight columns' worth: they must move nothing.
TEST_F(WaveSampled, EveryLayoutDrawsOnlyItsDataChunk)
{
    fake.client = ClientRect{0, 0, 100, 400};
    std::vector<Line> expected[2];
    for (const Layout& layout : allLayouts()) {
        SCOPED_TRACE(layout.name);
        fake.pick(folder.write(std::string("m") + std::to_string(layout.bytes.size()) + ".wav", layout.bytes));
        ASSERT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        int drawing = 0;
        for (const int command :
             {IDM_WAVESHOW, IDM_WAVESHOW_ULTRAFAST}) {  // the full drawing first: it needs the stream LOAD left
            fake.drawings.clear();
            ASSERT_TRUE(dispatchCommand(ctx, command));
            if (expected[drawing].empty()) {
                expected[drawing] = lines();
                EXPECT_GT(expected[drawing].size(), 20u);
            }
            EXPECT_EQ(lines(), expected[drawing]);
            ++drawing;
        }
    }
}
