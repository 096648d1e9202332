// A Mother with recognisable samples on disk, the record loaded from it, and checks that read
// every Child back against the exact slice of the Mother it must hold.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Dispatch.h"
#include "res/resource.h"
#include "splitwindow/SplitDialogs.h"
#include "planning/RecordPlanning.h"
#include "splitwindow/SplitEngine.h"
#include "support/FakePlatform.h"
#include "app/MotherLoad.h"
#include "support/ScratchFiles.h"
#include "wav/WavHeader.h"

// A clock that advances one and a half seconds between any two readings.
inline std::int64_t steppingClock()
{
    static std::int64_t ticks = 0;
    ticks += 1500;
    return ticks;
}

class SplitFixture : public ::testing::Test {
protected:
    ~SplitFixture() override { closeAllStreams(state); }

    // Writes a Mother of a default header with this data size, samples that differ from byte to
    // byte, and trailing bytes after them; then loads it as LOAD does.
    void loadMotherOf(std::uint32_t dataSize, std::uint32_t trailingBytes = 0, const std::string& name = "mother.wav")
    {
        const HeaderBytes header = pcmHeader(dataSize);
        mother.assign(header.begin(), header.end());
        const std::size_t total = WAV_HEADER_BYTES + static_cast<std::size_t>(dataSize) + trailingBytes;
        mother.reserve(total);
        for (std::size_t i = WAV_HEADER_BYTES; i < total; ++i) {
            mother.push_back(static_cast<std::uint8_t>(i * 7 + i / 251));
        }
        motherPath = folder.write(name, mother);
        fake.pick(motherPath);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        ASSERT_NE(state.motherStream, nullptr);
        fake.boxes.clear();
    }

    // Writes these bytes as the Mother and loads it as LOAD does.
    void loadMotherFile(const std::vector<std::uint8_t>& bytes, const std::string& name = "mother.wav")
    {
        mother = bytes;
        motherPath = folder.write(name, mother);
        fake.pick(motherPath);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        ASSERT_NE(state.motherStream, nullptr);
        fake.boxes.clear();
    }

    // As a successful Give Name of <stem>.wav in the scratch folder leaves it.
    void nameChildren(const std::string& stem)
    {
        fake.pick(folder.path(stem + ".wav"));
        ASSERT_TRUE(dispatchCommand(ctx, IDM_GIVE_NAME));
    }

    void cutIntoPiecesOf(std::uint32_t pieceBytes, CutMode cutMode = CutMode::Time)
    {
        state.pieceBytes = pieceBytes;
        state.cutMode = cutMode;
    }

    // SPLIT TO CHILDREN, START pressed in its dialog.
    void startNewSplit()
    {
        fake.dialogAnswers.push_back(DialogAnswer::Start);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_SPLIT_TO_CHILDREN));
    }

    // START through the split dialog's own handler, with the given file layer and a clock that
    // makes every split last 1.5 s; the dialog's first message prepares the header.
    void runWith(SplitFiles& files, SplitDialogKind kind)
    {
        SplitDialogHandler handler(state, fake, kind, files, steppingClock);
        handler.onMessage();
        handler.onStart(FakePlatform::DIALOG, FakePlatform::DIALOG_PEN);
    }

    std::string child(const std::string& stem, int number) const
    {
        return folder.path(stem + std::to_string(number) + ".WAV");
    }

    // The 44 bytes every Child of a time or count cut starts with, before its two sizes go in.
    static constexpr std::array<std::uint8_t, 44> CANONICAL_FIELDS = {
        'R', 'I', 'F',  'F',  0, 0, 0,    0,    'W',  'A', 'V', 'E', 'f', 'm', 't', ' ', 16,  0,   0, 0, 1, 0,
        2,   0,   0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0,   4,   0,   16,  0,   'd', 'a', 't', 'a', 0, 0, 0, 0};

    // The Child exists, is 44 + dataBytes long, its header is `fields` with 36 + dataBytes at
    // byte 4 and dataBytes at byte 40, and its samples are the Mother's from motherOffset on.
    ::testing::AssertionResult childHolds(const std::string& path, std::uint32_t dataBytes, std::uint64_t motherOffset,
                                          std::array<std::uint8_t, 44> fields = CANONICAL_FIELDS) const
    {
        if (!std::filesystem::exists(path)) {
            return ::testing::AssertionFailure() << path << " does not exist";
        }
        const std::vector<std::uint8_t> bytes = readWhole(path);
        if (bytes.size() != 44u + dataBytes) {
            return ::testing::AssertionFailure()
                   << path << " has " << bytes.size() << " bytes, expected " << 44u + dataBytes;
        }
        for (const auto& [at, value] : {std::pair{4, 36 + dataBytes}, std::pair{40, dataBytes}}) {
            for (int i = 0; i < 4; ++i) {
                fields[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(value >> (8 * i));
            }
        }
        for (std::size_t i = 0; i < 44; ++i) {
            if (bytes[i] != fields[i]) {
                return ::testing::AssertionFailure() << path << " header differs at offset " << i << ": "
                                                     << int{bytes[i]} << " instead of " << int{fields[i]};
            }
        }
        for (std::size_t i = 0; i < dataBytes; ++i) {
            const std::size_t from = static_cast<std::size_t>(motherOffset) + i;
            if (from >= mother.size() || bytes[44 + i] != mother[from]) {
                return ::testing::AssertionFailure() << path << " sample byte " << i << " is not Mother byte " << from;
            }
        }
        return ::testing::AssertionSuccess();
    }

    bool exists(const std::string& path) const { return std::filesystem::exists(path); }

    std::size_t filesInFolder() const
    {
        const std::filesystem::path folderPath = std::filesystem::path(folder.path("x")).parent_path();
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folderPath), std::filesystem::directory_iterator()));
    }

    ScratchFolder folder;
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    std::vector<std::uint8_t> mother;  // the whole Mother file as written
    std::string motherPath;
};
