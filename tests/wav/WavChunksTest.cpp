#include "wav/WavChunks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/WavLayouts.h"

namespace {

WavLayout walk(const Bytes& file)
{
    return walkWavChunks(file.size(), [&file](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        if (offset >= file.size()) {
            return std::size_t{0};
        }
        const std::size_t count = std::min<std::size_t>(bytes, file.size() - offset);
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), count, into);
        return count;
    });
}

const WavFormat CD_PCM{1, 2, 44100, 176400, 4, 16, 0};

}  // namespace

TEST(WavChunks, FindsFmtAndDataInEveryLayout)
{
    struct Case {
        Layout layout;
        ChunkPlace fmt;
        WavFormat format;
    };
    const std::array cases = {
        Case{canonicalLayout(), {20, 16}, CD_PCM},
        Case{listAfterDataLayout(), {20, 16}, CD_PCM},
        Case{bextJunkBeforeLayout(), {154, 16}, CD_PCM},
        Case{oddChunkLayout(), {20, 16}, CD_PCM},
        Case{fmt18Layout(), {20, 18}, CD_PCM},
        Case{fmt40Layout(), {20, 40}, WavFormat{0xFFFE, 2, 44100, 176400, 4, 16, 1}},
        Case{fmtAfterDataLayout(), {2028, 16}, CD_PCM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout.name);
        const WavLayout found = walk(c.layout.bytes);
        EXPECT_TRUE(found.riffWave);
        EXPECT_EQ(found.fmt, c.fmt);
        EXPECT_EQ(found.data, (ChunkPlace{c.layout.dataAt, 2000}));
        EXPECT_EQ(found.format, c.format);
        EXPECT_TRUE(isCutFormat(found.format));
    }

    // Two fmt chunks before the data: the first one counts.
    const WavLayout twoFormats = walk(join({riffWave(0, 0), FMT_16, extensibleFmt(1, 24), DATA_2000, samples(2000)}));
    EXPECT_EQ(twoFormats.fmt, (ChunkPlace{20, 16}));
    EXPECT_EQ(twoFormats.format, CD_PCM);
    EXPECT_EQ(twoFormats.data, (ChunkPlace{92, 2000}));
}

TEST(WavChunks, StopsAtTheFileEndAndTrustsNoSize)
{
    // A data chunk that claims more than the file holds is still found, with the size it claims.
    Bytes beyond = canonicalLayout().bytes;
    beyond[40] = 0xD2;
    EXPECT_EQ(walk(beyond).data, (ChunkPlace{44, 2002}));

    // Without a data chunk, a chunk running past the end, or a header cut short, no data is found.
    const Bytes list = join({ascii("LIST"), {0x04, 0, 0, 0}, ascii("INFO")});
    const Bytes noData = join({riffWave(0x28, 0), FMT_16, list});
    const Bytes pastEnd = join({riffWave(0x28, 0), join({ascii("bext"), {0xFF, 0xFF, 0xFF, 0x7F}}), FMT_16, DATA_2000});
    const Bytes cutShort = join({riffWave(0x28, 0), FMT_16, ascii("data"), {0xD0, 0x07}});
    for (const Bytes& file : {noData, pastEnd, cutShort}) {
        const WavLayout found = walk(file);
        EXPECT_TRUE(found.riffWave);
        EXPECT_FALSE(found.data.has_value());
    }
    EXPECT_TRUE(walk(noData).fmt.has_value());
    EXPECT_FALSE(walk(pastEnd).fmt.has_value());

    // Samples behind 100 000 empty chunks are not looked for; behind 99 998 they are found.
    for (const std::uint32_t empties : {99998u, 100000u}) {
        Bytes many = riffWave(0, 0);
        for (std::uint32_t i = 0; i < empties; ++i) {
            const Bytes empty = join({ascii("JUNK"), {0, 0, 0, 0}});
            many.insert(many.end(), empty.begin(), empty.end());
        }
        const Bytes rest = join({FMT_16, DATA_2000, samples(2000)});
        many.insert(many.end(), rest.begin(), rest.end());
        EXPECT_EQ(walk(many).data.has_value(), empties < 100000u) << empties;
    }
}

TEST(WavChunks, OnlyRiffWaveWithAWholeFmtCounts)
{
    Bytes notRiff = canonicalLayout().bytes;
    notRiff[0] = 'R';
    notRiff[1] = 'I';
    notRiff[2] = 'F';
    notRiff[3] = 'X';
    Bytes notWave = canonicalLayout().bytes;
    notWave[11] = 'X';
    EXPECT_FALSE(walk(notRiff).riffWave);
    EXPECT_FALSE(walk(notWave).riffWave);
    EXPECT_FALSE(walk(notWave).data.has_value());
    EXPECT_FALSE(walk(Bytes{'R', 'I', 'F', 'F'}).riffWave);

    // A fmt chunk of 14 bytes is too short to say the sample size: passed over, data still found.
    const Bytes shortFmt =
        join({riffWave(0x26, 0), ascii("fmt "), {0x0E, 0, 0, 0}, Bytes(14, 1), DATA_2000, samples(2000)});
    EXPECT_FALSE(walk(shortFmt).fmt.has_value());
    EXPECT_EQ(walk(shortFmt).data, (ChunkPlace{42, 2000}));

    // An extensible fmt whose sub-format identifier is not one of the base formats names no format.
    Bytes otherSubFormat = fmt40Layout().bytes;
    otherSubFormat[50] ^= 1;
    EXPECT_EQ(walk(otherSubFormat).format.subFormatTag, 0);
    EXPECT_FALSE(isCutFormat(walk(otherSubFormat).format));
}

TEST(WavChunks, CutFormatIsSixteenBitStereoAt44100Pcm)
{
    EXPECT_TRUE(isCutFormat(CD_PCM));
    const WavFormat others[] = {
        {1, 1, 44100, 88200, 2, 16, 0},        // mono
        {1, 2, 48000, 192000, 4, 16, 0},       // 48 kHz
        {1, 2, 44100, 264600, 6, 24, 0},       // 24-bit
        {3, 2, 44100, 352800, 8, 32, 0},       // floating point
        {0xFFFE, 2, 44100, 176400, 4, 16, 3},  // extensible, floating-point sub-format
        {0xFFFE, 2, 44100, 176400, 4, 16, 0},  // extensible, unknown sub-format
    };
    for (const WavFormat& format : others) {
        SCOPED_TRACE(format.formatTag);
        EXPECT_FALSE(isCutFormat(format));
    }
}

TEST(WavChunks, CanonicalHeaderIsRecognisedAndMadeFromFmtFields)
{
    HeaderBytes header{};
    std::copy_n(canonicalLayout().bytes.begin(), header.size(), header.begin());
    EXPECT_TRUE(isCanonicalHeader(header));
    EXPECT_EQ(canonicalHeaderOf(CD_PCM, 2000), header);

    std::copy_n(fmt18Layout().bytes.begin(), header.size(), header.begin());
    EXPECT_FALSE(isCanonicalHeader(header));

    // 24-bit mono 48 kHz from an extensible fmt: the sub-format becomes the format tag.
    // clang-format off
    const HeaderBytes expected = {
        'R', 'I', 'F', 'F', 0x2C, 0x01, 0x00, 0x00,  // RIFF size 36 + 264
        'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        0x10, 0x00, 0x00, 0x00,                      // fmt size 16
        0x01, 0x00, 0x01, 0x00,                      // PCM, 1 channel
        0x80, 0xBB, 0x00, 0x00,                      // 48 000 Hz
        0x80, 0x32, 0x02, 0x00,                      // 144 000 bytes per second
        0x03, 0x00, 0x18, 0x00,                      // 3-byte frames, 24 bits
        'd', 'a', 't', 'a', 0x08, 0x01, 0x00, 0x00,  // data size 264
    };
    // clang-format on
    EXPECT_EQ(canonicalHeaderOf(WavFormat{0xFFFE, 1, 48000, 144000, 3, 24, 1}, 264), expected);
}

TEST(WavChunks, ReadsRf64SizesAndTakesAnUnfinishedHeadersSamplesToTheEnd)
{
    const auto dataOf = [](std::uint32_t size) {
        return join({ascii("data"),
                     {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                      static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)}});
    };
    const auto rf64 = [&](const char* id, std::uint8_t ds64DataLow, std::uint8_t ds64DataHigh) {
        const Bytes ds64 = join({ascii("ds64"), {28, 0, 0, 0}, Bytes(8, 0), {ds64DataLow, ds64DataHigh}, Bytes(18, 0)});
        return join({ascii(id), {0xFF, 0xFF, 0xFF, 0xFF}, ascii("WAVE"), ds64, FMT_16, dataOf(0xFFFFFFFF)});
    };
    const Bytes list = join({ascii("LIST"), {0xCA, 0x07, 0, 0}, ascii("INFO"), Bytes(1990, 0)});  // 2002 bytes
    struct Case {
        const char* what;
        Bytes file;
        bool rf64;
        DataExtent extent;
    };
    // Every file holds 2002 bytes after its data chunk's header: 500 frames and half a frame.
    // clang-format off
    const Case cases[] = {
        {"finished",                  join({riffWave(0, 0), FMT_16, dataOf(2002), samples(2002)}), false, {2002, 2002, false}},
        {"size 0",                    join({riffWave(0, 0), FMT_16, dataOf(0), samples(2002)}), false, {0, 2000, true}},
        {"size 0xFFFFFFFF",           join({riffWave(0, 0), FMT_16, dataOf(0xFFFFFFFF), samples(2002)}), false, {0xFFFFFFFF, 2000, true}},
        {"size past the end",         join({riffWave(0, 0), FMT_16, dataOf(3000), samples(2002)}), false, {3000, 2000, true}},
        {"size 0, a chunk after it",  join({riffWave(0, 0), FMT_16, dataOf(0), list}), false, {0, 0, false}},
        {"RF64",                      join({rf64("RF64", 0xD2, 0x07), samples(2002)}), true, {2002, 2002, false}},
        {"BW64",                      join({rf64("BW64", 0xD2, 0x07), samples(2002)}), true, {2002, 2002, false}},
        {"RF64, ds64 size 0",         join({rf64("RF64", 0, 0), samples(2002)}), true, {0, 2000, true}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WavLayout layout = walk(c.file);
        EXPECT_EQ(layout.rf64, c.rf64);
        EXPECT_EQ(layout.riffWave, !c.rf64);
        ASSERT_TRUE(layout.data.has_value());
        EXPECT_EQ(layout.data->bodyAt, c.rf64 ? 80u : 44u);
        EXPECT_EQ(dataExtentOf(layout, c.file.size()), c.extent);
        EXPECT_EQ(layout.fmtBody, Bytes(FMT_16.begin() + 8, FMT_16.end()));
    }
    // An RF64 file whose first chunk is no ds64 is not walked.
    Bytes noDs64 = rf64("RF64", 0xD2, 0x07);
    noDs64[12] = 'X';
    EXPECT_FALSE(walk(noDs64).rf64);
    EXPECT_FALSE(walk(noDs64).data.has_value());
}
