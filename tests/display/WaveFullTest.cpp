#include "display/DisplayCommands.h"

#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <functional>
#include <utility>

#include "app/Dispatch.h"
#include "display/DisplayFixture.h"
#include "display/WaveArea.h"
#include "display/WaveSamples.h"
#include "res/resource.h"
#include "support/WavLayouts.h"

namespace {

// One frame of the canonical Mother written in another format: its bytes appended to the file.
using FrameWriter = std::function<void(Bytes&, const Frame&)>;

void appendLe(Bytes& into, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        into.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Each sample shifted up to the top of an integer of that many bytes.
FrameWriter shiftedUp(int bytes, int channels)
{
    return [bytes, channels](Bytes& into, const Frame& f) {
        int left = channels;
        for (const int v : {f.left, f.right, 0x1234, -0x4321}) {  // two more channels of noise if asked
            if (left-- <= 0) {
                break;
            }
            appendLe(into, static_cast<std::uint64_t>(static_cast<std::int64_t>(v) << (8 * (bytes - 2))), bytes);
        }
    };
}

struct Twin {
    const char* name;
    Bytes fmtBody;  // the 16 bytes of its fmt chunk
    FrameWriter write;
};

// A client area 100 pixels wide and 400 high: baselines at 100 and 300.
class WaveFull : public DisplayFixture {
protected:
    WaveFull() { fake.client = ClientRect{0, 0, 100, 400}; }

    // LOAD of the frames written as the twin writes them, then both drawings, the full one first (it
    // needs the stream LOAD left): the lines of each.
    std::array<std::vector<Line>, 2> drawnAs(const Twin& twin, const std::vector<Frame>& frames)
    {
        Bytes samples;
        for (const Frame& f : frames) {
            twin.write(samples, f);
        }
        const auto size = static_cast<std::uint32_t>(samples.size());
        const Bytes file = join({riffWave(0, 0),
                                 ascii("fmt "),
                                 {16, 0, 0, 0},
                                 twin.fmtBody,
                                 ascii("data"),
                                 {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                  static_cast<std::uint8_t>(size >> 16), 0},
                                 samples});
        fake.pick(folder.write(std::string(twin.name) + ".wav", file));
        EXPECT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        std::array<std::vector<Line>, 2> drawn;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            fake.drawings.clear();
            EXPECT_TRUE(dispatchCommand(ctx, i == 0 ? IDM_WAVESHOW : IDM_WAVESHOW_ULTRAFAST));
            drawn[i] = lines();
        }
        return drawn;
    }

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

// At a larger scale of the display the trace lies as far from its baseline in inches: at 192
// pixels to the inch full scale is 537 pixels away, at 96 and below 268 as ever.
TEST_F(WaveFull, ALargerDisplayScaleDrawsTheTraceFartherFromItsBaseline)
{
    const std::pair<int, int> divisors[] = {{72, 122}, {96, 122}, {120, 97}, {144, 81}, {192, 61}, {288, 40}};
    for (const auto& [dpi, divisor] : divisors) {
        EXPECT_EQ(waveArea(ClientRect{0, 0, 100, 400}, dpi).verticalDivisor, divisor) << dpi;
    }

    fake.dpi = 192;
    loadMother(368, testFrames(), 92);
    showWaveFull(ctx);
    const std::vector<Line> drawn = lines();
    ASSERT_EQ(drawn.size(), 48u);
    EXPECT_EQ(drawn[0], UPPER_BASELINE);
    EXPECT_EQ(drawn[1], LOWER_BASELINE);
    EXPECT_EQ(drawn[2], (Line{BLUE, 0, 637, 1, 98}));
    EXPECT_EQ(drawn[3], (Line{YELLOW, 0, -237, 3, 837}));
    EXPECT_EQ(drawn[46], (Line{YELLOW, 31, 300, 32, 100}));
    EXPECT_EQ(drawn[47], (Line{BLUE, 31, 100, 32, 300}));
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

// The same frames in another format draw the picture of 16-bit stereo, line for line: 24- and
// 32-bit integers holding each value shifted up (20 bits in 24-bit containers among them), floats
// holding each value / 32768, more channels than two; and of frames whose two channels are one and
// whose values are whole 256ths, 8-bit, 12 bits in 16-bit containers and mono.
TEST_F(WaveFull, EveryFormatOfTheSameFramesDrawsTheSamePicture)
{
    fake.client = ClientRect{0, 0, 100, 400};
    // 30 000 frames, 299 a column: the sampled drawing reads every second one.
    std::vector<Frame> frames(30000);
    std::vector<Frame> coarse(30000);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int tone = static_cast<int>(i * 7919 % 65536) - 32768;
        frames[i] = {tone, i % 3 == 0 ? -1 - tone : tone};
        coarse[i] = {tone / 256 * 256, tone / 256 * 256};
    }
    frames[5] = {-32768, 32767};
    frames[6] = {-32767, -32768};
    const auto floats = [](int bytes) {
        return [bytes](Bytes& into, const Frame& f) {
            for (const int v : {f.left, f.right}) {
                const double value = v / 32768.0;
                appendLe(into,
                         bytes == 4 ? std::bit_cast<std::uint32_t>(static_cast<float>(value))
                                    : std::bit_cast<std::uint64_t>(value),
                         bytes);
            }
        };
    };
    const FrameWriter eightBit = [](Bytes& into, const Frame& f) {
        into.push_back(static_cast<std::uint8_t>(f.left / 256 + 128));
        into.push_back(static_cast<std::uint8_t>(f.right / 256 + 128));
    };
    const FrameWriter mono = [](Bytes& into, const Frame& f) { appendLe(into, static_cast<std::uint16_t>(f.left), 2); };
    // clang-format off
    const Twin cd{"16-bit", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 4, 0, 16, 0}, shiftedUp(2, 2)};
    const std::array twins = {
        Twin{"24-bit", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x98, 0x09, 0x04, 0, 6, 0, 24, 0}, shiftedUp(3, 2)},
        Twin{"20-bit in 24", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x98, 0x09, 0x04, 0, 6, 0, 20, 0}, shiftedUp(3, 2)},
        Twin{"32-bit", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x20, 0x62, 0x05, 0, 8, 0, 32, 0}, shiftedUp(4, 2)},
        Twin{"float", {3, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x20, 0x62, 0x05, 0, 8, 0, 32, 0}, floats(4)},
        Twin{"double", {3, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x40, 0xC4, 0x0A, 0, 16, 0, 64, 0}, floats(8)},
        Twin{"4 channels", {1, 0, 4, 0, 0x44, 0xAC, 0, 0, 0x20, 0x62, 0x05, 0, 8, 0, 16, 0}, shiftedUp(2, 4)},
    };
    const std::array coarseTwins = {
        Twin{"8-bit", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 2, 0, 8, 0}, eightBit},
        Twin{"12-bit in 16", {1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 4, 0, 12, 0}, shiftedUp(2, 2)},
        Twin{"mono", {1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 2, 0, 16, 0}, mono},
    };
    // clang-format on
    struct Set {
        const std::vector<Frame>& frames;
        std::vector<Twin> twins;
    };
    for (const Set& set :
         {Set{frames, {twins.begin(), twins.end()}}, Set{coarse, {coarseTwins.begin(), coarseTwins.end()}}}) {
        const std::array<std::vector<Line>, 2> expected = drawnAs(cd, set.frames);
        ASSERT_GT(expected[0].size(), 40000u);
        ASSERT_GT(expected[1].size(), 400u);
        for (const Twin& twin : set.twins) {
            SCOPED_TRACE(twin.name);
            const std::array<std::vector<Line>, 2> drawn = drawnAs(twin, set.frames);
            EXPECT_EQ(drawn[0], expected[0]) << "WAVESHOW";
            EXPECT_EQ(drawn[1], expected[1]) << "WAVESHOW Ultrafast";
        }
    }
    // Samples the program cannot read (ADPCM) are not drawn at all: the baselines only.
    const Twin adpcm{"adpcm", {2, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 4, 0, 4, 0}, shiftedUp(2, 2)};
    for (const std::vector<Line>& drawn : drawnAs(adpcm, frames)) {
        EXPECT_EQ(drawn, (std::vector<Line>{UPPER_BASELINE, LOWER_BASELINE}));
    }
}

TEST(DrawableValue, EachSampleInTheSixteenBitRange)
{
    EXPECT_EQ(drawableValue(0.5), 16384);
    EXPECT_EQ(drawableValue(-0.5), -16384);
    EXPECT_EQ(drawableValue(32767 / 32768.0), 32767);
    EXPECT_EQ(drawableValue(-32767 / 32768.0), -32767);
    // Toward zero: the top 16 bits of a 24-bit sample just below full scale.
    EXPECT_EQ(drawableValue(-8388607 / 8388608.0), -32767);
    EXPECT_EQ(drawableValue(0.99999), 32767);
    // Full scale below has no counterpart above and is left out, as 16-bit -32768 is.
    EXPECT_EQ(drawableValue(-1.0), std::nullopt);
    // A float beyond full scale is drawn at full scale.
    EXPECT_EQ(drawableValue(1.0), 32767);
    EXPECT_EQ(drawableValue(7.5), 32767);
    EXPECT_EQ(drawableValue(-1.5), -32767);
    EXPECT_EQ(drawableValue(std::nan("")), std::nullopt);
}
