#include "editor/Playback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint64_t FRAMES = 441000;  // 10 s at 44.1 kHz
constexpr std::uint64_t CUT = 300000;

// 10 s of 16-bit stereo 44.1 kHz whose every frame says which it is: its number's low 16 bits on
// the left, its high bits on the right.
Bytes numberedMother()
{
    const HeaderBytes header = pcmHeader(static_cast<std::uint32_t>(FRAMES * 4));
    Bytes bytes(header.begin(), header.end());
    for (std::uint64_t frame = 0; frame < FRAMES; ++frame) {
        for (const std::uint64_t value : {frame & 0xFFFF, frame >> 16}) {
            bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        }
    }
    return bytes;
}

Bytes framesOf(const Bytes& mother, std::uint64_t first, std::uint64_t end)
{
    return Bytes(mother.begin() + static_cast<std::ptrdiff_t>(44 + first * 4),
                 mother.begin() + static_cast<std::ptrdiff_t>(44 + end * 4));
}

struct PlaybackTest : ::testing::Test {
    ScratchFolder folder;
    Bytes motherBytes = numberedMother();
    std::string path = folder.write("take.wav", motherBytes);
    MotherSound mother = *motherSoundOf(path);
    std::vector<std::uint64_t> cuts = {100000, CUT};
    FakePlatform ui;
    Playback playback{ui};

    bool ask(PlayRequest request, std::uint64_t cursor, std::optional<std::uint64_t> selected = CUT)
    {
        return playback.request(request, {cursor, selected, cuts, FRAMES, 44100}, mother, FakePlatform::MAIN_WINDOW);
    }
};

}  // namespace

TEST_F(PlaybackTest, TheMotherIsReadAsItsHeaderSays)
{
    EXPECT_EQ(mother, (MotherSound{path, 44, FRAMES, {false, 2, 44100, 4, 16, 16, 0}}));
}

TEST_F(PlaybackTest, EachKeyPlaysExactlyItsFramesOfTheMotherInItsOwnFormat)
{
    const struct {
        const char* what;
        PlayRequest request;
        std::uint64_t cursor;
        std::uint64_t first;
        std::uint64_t end;
    } cases[] = {
        {"comma: up to the cut, not its frame", PlayRequest::UpToCut, 5, CUT - 88200, CUT},
        {"period: from the cut", PlayRequest::FromCut, 5, CUT, CUT + 88200},
        {"Ctrl+Space: the Child under the cursor", PlayRequest::Child, 150000, 100000, CUT},
        {"Space: from the cursor to the end", PlayRequest::FromCursor, 400000, 400000, FRAMES},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ask(c.request, c.cursor)) << c.what;
        EXPECT_EQ(ui.soundOpens.back(), (SoundFormat{false, 2, 44100, 4, 16, 16, 0})) << c.what;
        EXPECT_EQ(ui.soundPlayed, framesOf(motherBytes, c.first, c.end)) << c.what;
        playback.stop();
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(readWhole(path), motherBytes);
}

TEST_F(PlaybackTest, SpaceAgainStopsAndAnyOtherRequestStartsAfresh)
{
    ASSERT_TRUE(ask(PlayRequest::FromCursor, 0));
    EXPECT_FALSE(ask(PlayRequest::FromCursor, 0));
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(ui.soundStops, 1);
    EXPECT_EQ(ui.soundSources, 1);

    ASSERT_TRUE(ask(PlayRequest::FromCut, 0));
    ASSERT_TRUE(ask(PlayRequest::UpToCut, 0));
    EXPECT_EQ(ui.soundStops, 2);
    EXPECT_EQ(ui.soundPlayed, framesOf(motherBytes, CUT - 88200, CUT));
}

TEST_F(PlaybackTest, NoSelectedCutIsToldAndPlaysNothing)
{
    EXPECT_FALSE(ask(PlayRequest::UpToCut, 0, std::nullopt));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, " nothing can be PLAYED ");
    EXPECT_EQ(ui.boxes[0].text, " no CUT selected ");
    EXPECT_TRUE(ui.soundOpens.empty());
}

TEST_F(PlaybackTest, NoDeviceGivesOneBoxWithTheSystemsCauseAndTheNextKeyTriesAgain)
{
    ui.soundRefusals = {std::string("No wave device driver present.")};
    EXPECT_FALSE(ask(PlayRequest::UpToCut, 0));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].owner, FakePlatform::MAIN_WINDOW);
    EXPECT_EQ(ui.boxes[0].caption, " nothing can be PLAYED ");
    EXPECT_EQ(ui.boxes[0].text, "No wave device driver present.");
    // The Mother's own format is the listening one: nothing else to try.
    EXPECT_EQ(ui.soundOpens.size(), 1u);
    EXPECT_EQ(ui.soundSources, 0);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(playback.playLine(FakePlatform::MAIN_WINDOW), std::nullopt);

    ASSERT_TRUE(ask(PlayRequest::UpToCut, 0));
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.soundPlayed, framesOf(motherBytes, CUT - 88200, CUT));
}

// The play line is the first frame played and the device's clock, so it stands where the sound is,
// not where the feeding is: checked every 10 ms of the fake clock, it is never more than 50 ms off.
TEST_F(PlaybackTest, ThePlayLineFollowsTheDevicesClockAndGoesWhenTheSoundEnds)
{
    ASSERT_TRUE(ask(PlayRequest::FromCut, 0));
    for (std::uint64_t clock = 0; clock < 88200; clock += 441) {
        ui.soundClock = clock;
        const std::optional<std::uint64_t> line = playback.playLine(FakePlatform::MAIN_WINDOW);
        ASSERT_TRUE(line) << clock;
        const std::uint64_t heard = CUT + clock;
        EXPECT_LE(std::max(*line, heard) - std::min(*line, heard), 2205u) << clock;
        EXPECT_EQ(*line, heard);
    }
    ui.soundClock = 88200;
    EXPECT_EQ(playback.playLine(FakePlatform::MAIN_WINDOW), std::nullopt);
    EXPECT_FALSE(playback.playing());
    EXPECT_EQ(ui.soundStops, 1);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PlaybackTest, ADeviceThatGoesIsToldOnceAndTheLineGoes)
{
    ASSERT_TRUE(ask(PlayRequest::FromCursor, 0));
    ui.soundClock = 1000;
    ui.soundFailure = "The device is gone.";
    EXPECT_EQ(playback.playLine(FakePlatform::MAIN_WINDOW), std::nullopt);
    EXPECT_EQ(playback.playLine(FakePlatform::MAIN_WINDOW), std::nullopt);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "The device is gone.");
}

// 1 s of 24-bit 6-channel 48 kHz in the extensible form: where the device refuses it, the first
// two channels play as 16-bit at 48 kHz.
TEST(PlaybackOtherFormat, ARefusedFormatPlaysItsFirstTwoChannelsAs16Bits)
{
    const Bytes fmt = {0xFE, 0xFF, 6,    0, 0x80, 0xBB, 0,    0,    0x00, 0x2F, 0x0D, 0,   18, 0,
                       24,   0,    22,   0, 24,   0,    0x3F, 0,    0,    0,    1,    0,   0,  0,
                       0,    0,    0x10, 0, 0x80, 0,    0,    0xAA, 0,    0x38, 0x9B, 0x71};
    const std::uint32_t dataBytes = 48000 * 18;
    Bytes file = {'R', 'I', 'F', 'F'};
    const std::uint32_t riff = 4 + 8 + 40 + 8 + dataBytes;
    for (const std::uint32_t v : {riff}) {
        for (int i = 0; i < 4; ++i)
            file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    for (const char c : std::string("WAVEfmt "))
        file.push_back(static_cast<std::uint8_t>(c));
    file.insert(file.end(), {40, 0, 0, 0});
    file.insert(file.end(), fmt.begin(), fmt.end());
    for (const char c : std::string("data"))
        file.push_back(static_cast<std::uint8_t>(c));
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<std::uint8_t>(dataBytes >> (8 * i)));
    for (std::uint32_t frame = 0; frame < 48000; ++frame) {
        for (std::uint32_t channel = 0; channel < 6; ++channel) {
            file.insert(file.end(), {0x99, static_cast<std::uint8_t>(frame), static_cast<std::uint8_t>(channel)});
        }
    }
    ScratchFolder folder;
    const std::string path = folder.write("six.wav", file);
    const std::optional<MotherSound> mother = motherSoundOf(path);
    ASSERT_TRUE(mother);
    EXPECT_EQ(mother->format, (SoundFormat{false, 6, 48000, 18, 24, 24, 0x3F}));

    FakePlatform ui;
    ui.soundRefusals = {std::string("The format is not supported."), std::nullopt};
    Playback playback(ui);
    const std::vector<std::uint64_t> cuts = {24000};
    ASSERT_TRUE(playback.request(PlayRequest::Child, {30000, std::nullopt, cuts, 48000, 48000}, *mother, nullptr));
    ASSERT_EQ(ui.soundOpens.size(), 2u);
    EXPECT_EQ(ui.soundOpens[0], mother->format);
    EXPECT_EQ(ui.soundOpens[1], (SoundFormat{false, 2, 48000, 4, 16, 16, 0}));
    ASSERT_EQ(ui.soundPlayed.size(), 24000u * 4);
    // Frame 24 000 (low byte 0xC0): channels 0 and 1, their top two bytes.
    EXPECT_EQ(Bytes(ui.soundPlayed.begin(), ui.soundPlayed.begin() + 8),
              (Bytes{0xC0, 0x00, 0xC0, 0x01, 0xC1, 0x00, 0xC1, 0x01}));
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(readWhole(path), file);
}

TEST(ViewFollowing, TheViewJumpsToTheLineOncePastItsRightEdge)
{
    const struct {
        std::uint64_t first, frames, line, expected;
    } cases[] = {
        {0, 1000, 0, 0},                                  // inside
        {0, 1000, 999, 0},                                // on the last frame shown
        {0, 1000, 1000, 1000},                            // past the edge: the line at the left
        {5000, 1000, 7300, 7300}, {0, 1000, 9500, 9000},  // never past the Mother's end
        {2000, 1000, 500, 500},                           // a line before the view: brought in too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(viewFollowing(c.first, c.frames, c.line, 10000), c.expected) << c.line;
    }
}

// A Mother of 4 GiB plays from its last frames at once: the frames past the first 4 GiB of the file
// are read where they stand (the samples before them are a hole in the file, never read).
TEST(PlaybackLargeMother, TheLastFramesOfA4GiBMotherPlayFromWhereTheyStand)
{
    ScratchFolder folder;
    const std::uint32_t dataBytes = 0xFFFFFFF0u;
    const std::string path = folder.writeWav("long.wav", pcmHeader(dataBytes), 44ull + dataBytes);
    const std::uint64_t lastFrame = dataBytes / 4 - 1;  // its bytes lie past 4 GiB of the file
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(44 + lastFrame * 4));
        file.write("\x11\x22\x33\x44", 4);
    }
    const std::optional<MotherSound> mother = motherSoundOf(path);
    ASSERT_TRUE(mother);
    EXPECT_EQ(mother->frames, lastFrame + 1);

    FakePlatform ui;
    Playback playback(ui);
    const std::vector<std::uint64_t> cuts = {lastFrame - 1};
    ASSERT_TRUE(
        playback.request(PlayRequest::FromCut, {0, lastFrame - 1, cuts, mother->frames, 44100}, *mother, nullptr));
    EXPECT_EQ(ui.soundPlayed, (Bytes{0, 0, 0, 0, 0x11, 0x22, 0x33, 0x44}));
}
