#include "editor/ListeningFormat.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Two frames of each format, made 16-bit stereo: the first two channels, a single one in both.
TEST(ToListening, EveryFormatGivesItsFirstTwoChannelsAs16Bits)
{
    const struct {
        const char* what;
        SoundFormat format;
        Bytes in;
        Bytes out;
    } cases[] = {
        {"8-bit mono: unsigned, in both channels",
         {false, 1, 8000, 1, 8, 8, 0},
         {0x80, 0xFF},
         {0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x7F}},
        {"16-bit stereo: as it is",
         {false, 2, 44100, 4, 16, 16, 0},
         {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0x00, 0x80},
         {0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF, 0x00, 0x80}},
        {"24-bit stereo: the top two bytes",
         {false, 2, 48000, 6, 24, 24, 3},
         {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF},
         {0x22, 0x33, 0x55, 0x66, 0xBB, 0xCC, 0xEE, 0xFF}},
        {"32-bit 3 channels: the third left out",
         {false, 3, 48000, 12, 32, 32, 7},
         {0, 0, 0x34, 0x12, 0, 0, 0x78, 0x56, 0, 0, 0x11, 0x11, 0, 0, 0xFF, 0x7F, 0, 0, 0x00, 0x80, 0, 0, 1, 1},
         {0x34, 0x12, 0x78, 0x56, 0xFF, 0x7F, 0x00, 0x80}},
        // 0.5, -1.0 | 2.0 (clipped), -0.25
        {"32-bit float stereo: scaled and clipped",
         {true, 2, 96000, 8, 32, 32, 0},
         {0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x80, 0xBF, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x80, 0xBE},
         {0x00, 0x40, 0x00, 0x80, 0xFF, 0x7F, 0x00, 0xE0}},
        // 0.25 | -0.5, mono
        {"64-bit float mono",
         {true, 1, 44100, 8, 64, 64, 0},
         {0, 0, 0, 0, 0, 0, 0xD0, 0x3F, 0, 0, 0, 0, 0, 0, 0xE0, 0xBF},
         {0x00, 0x20, 0x00, 0x20, 0x00, 0xC0, 0x00, 0xC0}},
    };
    for (const auto& c : cases) {
        Bytes out(8, 0xEE);
        toListening(c.format, c.in.data(), 2, out.data());
        EXPECT_EQ(out, c.out) << c.what;
    }
}

TEST(SoundFormatOf, TheMothersOwnFmtWithItsValidBitsAndSpeakers)
{
    WavLayout plain;
    plain.format = {1, 2, 44100, 176400, 4, 16, 0};
    EXPECT_EQ(soundFormatOf(plain), (SoundFormat{false, 2, 44100, 4, 16, 16, 0}));

    WavLayout extensible;
    extensible.format = {0xFFFE, 6, 48000, 1152000, 24, 32, 1};
    extensible.fmtBody = {0xFE, 0xFF, 6,    0, 0x80, 0xBB, 0,    0,    0x00, 0x94, 0x11, 0,   24, 0,
                          32,   0,    22,   0, 24,   0,    0x3F, 0,    0,    0,    1,    0,   0,  0,
                          0,    0,    0x10, 0, 0x80, 0,    0,    0xAA, 0,    0x38, 0x9B, 0x71};
    EXPECT_EQ(soundFormatOf(extensible), (SoundFormat{false, 6, 48000, 24, 32, 24, 0x3F}));
    EXPECT_EQ(listeningFormat(48000), (SoundFormat{false, 2, 48000, 4, 16, 16, 0}));
}
