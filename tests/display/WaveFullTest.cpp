#include "display/DisplayCommands.h"

#include <climits>

#include "display/DisplayFixture.h"

namespace {

// A client area 100 pixels wide and 400 high: baselines at 100 and 300.
class WaveFull : public DisplayFixture {
protected:
    WaveFull() { fake.client = ClientRect{0, 0, 100, 400}; }

    static std::vector<Frame> testFrames()
    {
        std::vector<Frame> frames(26);
        frames[0] = {32767, -32767};
        frames[1] = {-32768, 122};
        frames[2] = {-32767, -32768};
        frames[3] = {244, 0};
        frames[24] = {12200, -12200};  // data offset 96: the last frame drawn
        frames[25] = {32767, 32767};   // offset 100: within the last 200 bytes
        return frames;
    }
};

const Line UPPER_BASELINE{YELLOW, 0, 100, 100, 100};
const Line LOWER_BASELINE{BLUE, 0, 300, 100, 300};

}  // namespace

TEST_F(WaveFull, DrawsBaselinesThenOneLinePerSampleUpToTheLastTwoHundredBytes)
{
    // 300 data bytes over 100 pixels: 3 bytes a pixel; frames at data offsets 0 to 96 are drawn.
    loadMother(368, testFrames(), 92);
    showWaveFull(ctx);
    const std::vector<Line> drawn = lines();

    ASSERT_EQ(drawn.size(), 48u);  // baselines, 23 left lines, 23 right lines
    EXPECT_EQ(drawn[0], UPPER_BASELINE);
    EXPECT_EQ(drawn[1], LOWER_BASELINE);
    // Full scale is 268 pixels from the baseline, positive values above it; -32768 is skipped.
    EXPECT_EQ(drawn[2], (Line{BLUE, 0, 368, 1, 99}));
    EXPECT_EQ(drawn[3], (Line{YELLOW, 0, 32, 3, 568}));
    EXPECT_EQ(drawn[4], (Line{YELLOW, 3, 568, 4, 298}));
    EXPECT_EQ(drawn[5], (Line{BLUE, 1, 99, 4, 100}));
    EXPECT_EQ(drawn[46], (Line{YELLOW, 31, 300, 32, 200}));
    EXPECT_EQ(drawn[47], (Line{BLUE, 31, 100, 32, 200}));
    EXPECT_EQ(state.motherStream, nullptr);

    // The stream is used up: without a new LOAD only the baselines. At a height of 403 the lower
    // one is 3 x 403 / 4 = 302, not 403 / 4 x 3 = 300.
    fake.drawings.clear();
    fake.client = ClientRect{0, 0, 100, 403};
    showWaveFull(ctx);
    EXPECT_EQ(lines(), (std::vector<Line>{UPPER_BASELINE, Line{BLUE, 0, 302, 100, 302}}));
}

TEST_F(WaveFull, StartsAtTheDataStartWhereverTheStreamStands)
{
    // Eight bytes of full-scale noise between header and samples, and the stream at the end.
    std::vector<Frame> frames(2);
    frames[0] = {32767, 0};
    loadMother(368, frames, 92, 8);
    ASSERT_EQ(std::fseek(state.motherStream, 0, SEEK_END), 0);
    showWaveFull(ctx);
    const std::vector<Line> drawn = lines();
    ASSERT_GE(drawn.size(), 4u);
    EXPECT_EQ(drawn[2], (Line{YELLOW, 0, 32, 1, 300}));
    EXPECT_EQ(drawn[3], (Line{BLUE, 0, 100, 1, 100}));
}

TEST_F(WaveFull, BelowTwoHundredDataBytesOnlyTheEndOfTheStreamEndsTheDrawing)
{
    // A data size of 100 leaves 32 data bytes: 0.32 bytes a pixel, and all 25 frames drawn.
    std::vector<Frame> frames(25);
    frames[24] = {12200, 0};
    loadMother(100, frames, 25);
    showWaveFull(ctx);
    std::vector<Line> drawn = lines();
    ASSERT_EQ(drawn.size(), 50u);
    EXPECT_EQ(drawn[48], (Line{YELLOW, 290, 300, 303, 200}));
    EXPECT_EQ(state.motherStream, nullptr);

    // No data bytes at all: the frames lie far beyond the right edge, not at wrapped coordinates.
    fake.drawings.clear();
    loadMother(68, {}, 17);
    showWaveFull(ctx);
    drawn = lines();
    ASSERT_EQ(drawn.size(), 34u);
    for (std::size_t i = 2; i < drawn.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        EXPECT_GE(drawn[i].x1, 100);
        EXPECT_LT(drawn[i].x1, INT_MAX / 2);
    }
}

TEST_F(WaveFull, AWindowWithoutWidthDrawsNothingAndKeepsTheStream)
{
    loadMother(368, testFrames(), 92);
    std::FILE* const stream = state.motherStream;
    fake.client = ClientRect{0, 0, 0, 400};
    showWaveFull(ctx);
    showWaveSampled(ctx);
    EXPECT_TRUE(fake.drawings.empty());
    ASSERT_EQ(state.motherStream, stream);
    EXPECT_EQ(std::ftell(stream), 44);
}
