#include "app/MotherLoad.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>

#include "support/FakePlatform.h"
#include "core/FileIo.h"
#include "support/ScratchFiles.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;  // 60 s of sample bytes

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

    ScratchFolder folder;
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

std::size_t openFileCount()
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
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

TEST_F(MotherLoad, BytesAfterTheSamplesMoveTheReadOffset)
{
    load(ONE_MINUTE, 44 + ONE_MINUTE + 100);
    EXPECT_EQ(144u, state.motherReadOffset);
    EXPECT_EQ(10584144u, state.motherFileBytes);
    EXPECT_EQ(44u, streamOffset());
}

TEST_F(MotherLoad, DurationCountsWholeSecondsOnly)
{
    struct Case {
        std::uint32_t dataSize;
        const char* shown;
    };
    const std::array cases = {Case{15876000, " 1.50 "}, Case{17640000, " 1.67 "}, Case{176399, " 0.00 "}};
    for (const Case& c : cases) {
        SCOPED_TRACE("data size " + std::to_string(c.dataSize));
        fake.boxes.clear();
        load(c.dataSize, 44 + std::uint64_t{c.dataSize}, "m" + std::to_string(c.dataSize) + ".wav");
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_EQ(c.shown, fake.boxes[0].text);
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

TEST_F(MotherLoad, SmallestDataSizeAndDataAsLongAsTheFileAreAccepted)
{
    load(68, 100, "smallest.wav");
    EXPECT_EQ(0u, state.motherDataBytes);
    EXPECT_EQ(32u, state.motherReadOffset);
    load(1000, 1000, "whole.wav");
    EXPECT_EQ(0u, state.motherReadOffset);
    EXPECT_EQ(1, state.motherChosen);
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
        Case{"beyond.wav", 1001, 1000, " MOTHER data size is larger than the file ", "\ndata size = 1001\nfile bytes = 1000"},
        Case{"huge.wav", 1000, 4294967296u, " MOTHER Wavfile is 4 GB or larger ", "\nfile bytes = 4294967296"},
    };
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.boxes.clear();
        // Files shorter than 44 bytes keep the start of a header.
        const std::string path = folder.writeWav(c.name, pcmHeader(c.dataSize), c.fileBytes);
        // A refused file is closed again: on Windows an open file could not be moved or deleted.
        closeMotherStream(state);
        const std::size_t openBefore = openFileCount();
        loadPath(path);
        EXPECT_EQ(openFileCount(), openBefore);
        EXPECT_EQ(0, state.motherChosen);
        EXPECT_EQ(nullptr, state.motherStream);
        EXPECT_TRUE(before == SavedFacts(state));
        ASSERT_EQ(1u, fake.boxes.size());
        EXPECT_EQ(c.caption, fake.boxes[0].caption);
        EXPECT_EQ(path + c.numbers, fake.boxes[0].text);
    }
}

TEST_F(MotherLoad, FileThatCannotBeOpenedIsRefused)
{
    load(ONE_MINUTE, 44 + ONE_MINUTE);
    const SavedFacts before(state);
    fake.boxes.clear();
    state.motherPath = folder.path("absent.wav");
    loadMother(ctx);
    EXPECT_EQ(0, state.motherChosen);
    EXPECT_EQ(nullptr, state.motherStream);
    EXPECT_TRUE(before == SavedFacts(state));
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(" MOTHER Wavfile cannot be opened ", fake.boxes[0].caption);
    EXPECT_EQ(folder.path("absent.wav"), fake.boxes[0].text);
}
