#include "app/MotherLoad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>

#include "support/FakePlatform.h"
#include "core/FileIo.h"
#include "support/ScratchFiles.h"
#include "support/WavLayouts.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;  // 60 s of sample bytes

std::size_t openFileCount()
{
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
}

struct SavedFacts {
    HeaderBytes header{};
    std::uint32_t fileBytes = 0;
    std::uint32_t dataBytes = 0;
    std::uint64_t readOffset = 0;

    explicit SavedFacts(const AppState& s)
        : header(s.motherHeader), fileBytes(s.motherFileBytes), dataBytes(s.motherDataBytes),
          readOffset(s.motherReadOffset)
    {
    }
    bool operator==(const SavedFacts&) const = default;
};

class MotherLoad : public ::testing::Test {
protected:
    ~MotherLoad() override { closeAllStreams(state); }

    // Picks and loads a file of a header with this data size and fileBytes in all.
    void load(std::uint32_t dataSize, std::uint64_t fileBytes, const std::string& name = "mother.wav")
    {
        loadPath(folder.writeWav(name, pcmHeader(dataSize), fileBytes));
    }

    void loadPath(const std::string& path)
    {
        fake.pick(path);
        loadMotherCommand(ctx);
    }

    std::uint64_t streamOffset() { return tellFile(state.motherStream).value_or(0); }

    // Picks and loads the file at path after closing the Mother's stream, and checks that it is refused
    // with this one box, nothing of the last Mother changed and no file left open (on Windows an
    // open file could not be moved or deleted).
    void expectRefused(const std::string& path, const SavedFacts& before, const std::string& caption,
                       const std::string& text)
    {
        closeMotherStream(state);
        fake.boxes.clear();
        const std::size_t openBefore = openFileCount();
        loadPath(path);
        EXPECT_EQ(openFileCount(), openBefore);
        EXPECT_EQ(0, state.motherChosen);
        EXPECT_EQ(nullptr, state.motherStream);
        EXPECT_TRUE(before == SavedFacts(state));
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_EQ(caption, fake.boxes[0].caption);
        EXPECT_EQ(text, fake.boxes[0].text);
    }

    ScratchFolder folder;
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

}  // namespace

TEST_F(MotherLoad, CanonicalMinuteGivesItsSizesAndDuration)
{
    load(ONE_MINUTE, 44 + ONE_MINUTE);

    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(10584044u, state.motherFileBytes);
    EXPECT_EQ(44u, state.motherReadOffset);
    EXPECT_EQ(10583932u, state.motherDataBytes);
    EXPECT_EQ(pcmHeader(ONE_MINUTE), state.motherHeader);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(FakePlatform::MAIN_WINDOW, fake.boxes[0].owner);
    EXPECT_EQ("duration minutes = ", fake.boxes[0].caption);
    EXPECT_EQ(" 1.00 ", fake.boxes[0].text);
    ASSERT_NE(nullptr, state.motherStream);
    EXPECT_EQ(44u, streamOffset());
}

TEST_F(MotherLoad, SamplesAreTheDataChunkWhereverItStands)
{
    for (const Layout& layout : allLayouts()) {
        SCOPED_TRACE(layout.name);
        fake.boxes.clear();
        loadPath(folder.write("layout.wav", layout.bytes));
        EXPECT_EQ(1, state.motherChosen);
        EXPECT_EQ(layout.bytes.size(), state.motherFileBytes);
        EXPECT_EQ(layout.dataAt, state.motherReadOffset);
        EXPECT_EQ(1932u, state.motherDataBytes);  // 2000 less the margin
        EXPECT_TRUE(std::equal(state.motherHeader.begin(), state.motherHeader.end(), layout.bytes.begin()));
        EXPECT_EQ(layout.dataAt, streamOffset());
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_EQ(" 0.00 ", fake.boxes[0].text);
    }
}

TEST_F(MotherLoad, DurationCountsWholeSecondsOfTheMothersOwnTime)
{
    struct Case {
        const char* name;
        Bytes fmtBody;  // the 16 bytes of its fmt chunk
        std::uint32_t dataSize;
        const char* shown;
    };
    const Bytes cd = {0x01, 0, 0x02, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 0x04, 0, 0x10, 0};
    const std::array cases = {
        Case{"90 s", cd, 15876000, " 1.50 "},
        Case{"100 s", cd, 17640000, " 1.67 "},
        Case{"under a second", cd, 176399, " 0.00 "},
        // 288 000 bytes a second: 25 s, where 176 400 would count 40 s.
        Case{"24-bit 48 kHz",
             {0x01, 0, 0x02, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 0x06, 0, 0x18, 0},
             7200000,
             " 0.42 "},
        // 88 200 bytes a second: 60 s.
        Case{"mono", {0x01, 0, 0x01, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 0x02, 0, 0x10, 0}, 5292000, " 1.00 "},
        // 8 000 bytes a second: 89 whole seconds and most of one more.
        Case{"8-bit 8 kHz", {0x01, 0, 0x01, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 0x01, 0, 0x08, 0}, 719999, " 1.48 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.boxes.clear();
        const Bytes size = {static_cast<std::uint8_t>(c.dataSize), static_cast<std::uint8_t>(c.dataSize >> 8),
                            static_cast<std::uint8_t>(c.dataSize >> 16), static_cast<std::uint8_t>(c.dataSize >> 24)};
        Bytes file = join({riffWave(0, 0), ascii("fmt "), {0x10, 0, 0, 0}, c.fmtBody, ascii("data"), size});
        file.resize(file.size() + c.dataSize, 0x11);
        loadPath(folder.write(std::string(c.name) + ".wav", file));
        ASSERT_EQ(1, state.motherChosen);
        EXPECT_EQ("duration minutes = ", fake.boxes.back().caption);
        EXPECT_EQ(c.shown, fake.boxes.back().text);
    }
}

TEST_F(MotherLoad, LargestFileUnder4GiBIsAccepted)
{
    const std::uint32_t largest = 4294967295u;
    load(largest - 44, largest);
    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(largest, state.motherFileBytes);
    EXPECT_EQ(44u, state.motherReadOffset);
    EXPECT_EQ(largest - 44 - 68, state.motherDataBytes);
}

TEST_F(MotherLoad, SmallestDataSizeIsAccepted)
{
    load(68, 44 + 68, "smallest.wav");
    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(0u, state.motherDataBytes);
    EXPECT_EQ(44u, state.motherReadOffset);
}

TEST_F(MotherLoad, OtherFormatsLoadAfterABoxSayingWhatTheyHold)
{
    struct Case {
        const char* name;
        Bytes fmt;
        const char* holds;  // empty: no format box
    };
    auto fmt16 = [](std::initializer_list<std::uint8_t> body) { return join({ascii("fmt "), {0x10, 0, 0, 0}, body}); };
    const std::array cases = {
        Case{"mono", fmt16({0x01, 0, 0x01, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 0x02, 0, 0x10, 0}),
             "\nchannels = 1\nbits per sample = 16\nsamples per second = 44100"},
        Case{"24-bit", fmt16({0x01, 0, 0x02, 0, 0x44, 0xAC, 0, 0, 0x98, 0x09, 0x04, 0, 0x06, 0, 0x18, 0}),
             "\nchannels = 2\nbits per sample = 24\nsamples per second = 44100"},
        Case{"48k", fmt16({0x01, 0, 0x02, 0, 0x80, 0xBB, 0, 0, 0x00, 0xEE, 0x02, 0, 0x04, 0, 0x10, 0}),
             "\nchannels = 2\nbits per sample = 16\nsamples per second = 48000"},
        Case{"float", fmt16({0x03, 0, 0x02, 0, 0x44, 0xAC, 0, 0, 0x20, 0x62, 0x05, 0, 0x08, 0, 0x20, 0}),
             "\nformat tag = 3\nchannels = 2\nbits per sample = 32\nsamples per second = 44100"},
        Case{"extensible 24-bit", extensibleFmt(2, 24),
             "\nchannels = 2\nbits per sample = 24\nsamples per second = 44100"},
        Case{"extensible 16-bit", extensibleFmt(2, 16), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.boxes.clear();
        const std::string path =
            folder.write(std::string(c.name) + ".wav", join({riffWave(0, 0), c.fmt, DATA_2000, samples(2000)}));
        loadPath(path);
        EXPECT_EQ(1, state.motherChosen);
        EXPECT_EQ(1932u, state.motherDataBytes);
        // Only a Mother of another format gives its Children a header of its own.
        EXPECT_EQ(std::string(c.holds).empty(), !state.motherOwnHeader.has_value());
        ASSERT_EQ(std::string(c.holds).empty() ? 1u : 2u, fake.boxes.size());
        if (!std::string(c.holds).empty()) {
            EXPECT_EQ(" MOTHER Wavfile is not 16-bit stereo 44100 Hz PCM ", fake.boxes[0].caption);
            EXPECT_EQ(path + c.holds +
                          "\nlengths and cut times count this file's own time, in its whole frames; the CHILDREN "
                          "keep this format (a LIKE wave gives its own header)",
                      fake.boxes[0].text);
        }
        EXPECT_EQ("duration minutes = ", fake.boxes.back().caption);
    }
}

TEST_F(MotherLoad, AnUnfinishedHeaderLoadsTheBytesToTheEndOfTheFileAfterABoxGivingBothSizes)
{
    struct Case {
        std::uint32_t dataSize;
        std::uint64_t fileBytes;
        const char* sizes;
        std::uint32_t dataBytes;
        const char* duration;
    };
    const std::array cases = {
        Case{0, 44 + 1000, "\ndata size in the header = 0\ndata size used = 1000", 932, " 0.00 "},
        // Half a frame at the end is not taken.
        Case{0xFFFFFFFF, 44 + ONE_MINUTE + 2, "\ndata size in the header = 4294967295\ndata size used = 10584000",
             10583932, " 1.00 "},
        Case{1001, 1000, "\ndata size in the header = 1001\ndata size used = 956", 888, " 0.00 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataSize);
        fake.boxes.clear();
        const std::string path = folder.writeWav("unfinished.wav", pcmHeader(c.dataSize), c.fileBytes);
        loadPath(path);
        ASSERT_EQ(1, state.motherChosen);
        EXPECT_EQ(c.fileBytes, state.motherFileBytes);
        EXPECT_EQ(44u, state.motherReadOffset);
        EXPECT_EQ(c.dataBytes, state.motherDataBytes);
        EXPECT_EQ(c.dataSize, state.motherHeaderDataSize);
        EXPECT_EQ(44u, streamOffset());
        ASSERT_EQ(2u, fake.boxes.size());
        EXPECT_EQ(" MOTHER header is unfinished: its data size is not the file's ", fake.boxes[0].caption);
        EXPECT_EQ(path + c.sizes, fake.boxes[0].text);
        EXPECT_EQ(FakePlatform::MAIN_WINDOW, fake.boxes[0].owner);
        EXPECT_EQ("duration minutes = ", fake.boxes[1].caption);
        EXPECT_EQ(c.duration, fake.boxes[1].text);
    }
    // A finished header leaves no size of its own in the record.
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    EXPECT_EQ(std::nullopt, state.motherHeaderDataSize);
}

TEST_F(MotherLoad, CancelledLoadClosesTheMotherAndKeepsItsFacts)
{
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    fake.cancelPick();
    loadMotherCommand(ctx);
    EXPECT_EQ(nullptr, state.motherStream);
    EXPECT_EQ(0, state.motherChosen);
    EXPECT_TRUE(before == SavedFacts(state));
    ASSERT_EQ(2u, fake.fileDialogs.size());
    EXPECT_EQ("MOTHER-Wavfile-select:", fake.fileDialogs[1].title);
    EXPECT_EQ(state.motherPath, fake.fileDialogs[1].initialName);
    EXPECT_EQ(1u, fake.boxes.size());  // the first load's duration only
}

TEST_F(MotherLoad, UnusableFilesAreRefusedAndChangeNothing)
{
    struct Case {
        const char* name;
        std::uint32_t dataSize;
        std::uint64_t fileBytes;
        const char* caption;
        std::string numbers;
    };
    const std::array cases = {
        Case{"header43.wav", 0, 43, " MOTHER Wavfile is shorter than its 44-byte header ", "\nheader bytes read = 43"},
        Case{"short.wav", 0, 20, " MOTHER Wavfile is shorter than its 44-byte header ", "\nheader bytes read = 20"},
        Case{"empty.wav", 0, 0, " MOTHER Wavfile is shorter than its 44-byte header ", "\nheader bytes read = 0"},
        Case{"data67.wav", 67, 1000, " MOTHER data size is below 68 bytes ", "\ndata size = 67"},
        // Unfinished, but what follows the header is less than the margin.
        Case{"unfinished.wav", 0, 44 + 67, " MOTHER data size is below 68 bytes ", "\ndata size = 64"},
        Case{"huge.wav", 1000, 4294967296u, " MOTHER Wavfile is 4 GB or larger ", "\nfile bytes = 4294967296"},
    };
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Files shorter than 44 bytes keep the start of a header.
        const std::string path = folder.writeWav(c.name, pcmHeader(c.dataSize), c.fileBytes);
        expectRefused(path, before, c.caption, path + c.numbers);
    }
}

TEST_F(MotherLoad, FilesWithoutAWaveAreRefusedAndSaySo)
{
    struct Case {
        const char* name;
        Bytes bytes;
        const char* caption;
        const char* numbers;
    };
    Bytes notRiff = canonicalLayout().bytes;
    notRiff[8] = 'w';
    const Bytes list = join({ascii("LIST"), {0x04, 0, 0, 0}, ascii("INFO")});
    const std::array cases = {
        // A data size of 0 that a chunk follows is no unfinished header.
        Case{"data0.wav", join({riffWave(0, 0), FMT_16, ascii("data"), {0, 0, 0, 0}, list}),
             " MOTHER data size is below 68 bytes ", "\ndata size = 0"},
        Case{"notriff.wav", notRiff, " MOTHER Wavfile is not a RIFF WAVE file ", ""},
        Case{"text.wav", Bytes(100, 'x'), " MOTHER Wavfile is not a RIFF WAVE file ", ""},
        Case{"nodata.wav", join({riffWave(0x28, 0), FMT_16, list, samples(100)}), " MOTHER Wavfile has no data chunk ",
             "\nfile bytes = 148"},
        Case{"nofmt.wav", join({riffWave(0x28, 0), list, DATA_2000, samples(2000)}),
             " MOTHER Wavfile has no fmt chunk ", ""},
    };
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.write(c.name, c.bytes);
        expectRefused(path, before, c.caption, path + c.numbers);
    }
}

TEST_F(MotherLoad, FileThatCannotBeOpenedOrAFolderIsRefused)
{
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    std::filesystem::create_directory(folder.path("takes"));
    const std::pair<const char*, const char*> cases[] = {
        {"absent.wav", " MOTHER Wavfile cannot be opened "},
        {"takes", " MOTHER Wavfile is a folder, not a file "},
    };
    for (const auto& [name, caption] : cases) {
        SCOPED_TRACE(name);
        expectRefused(folder.path(name), before, caption, folder.path(name));
    }
}
