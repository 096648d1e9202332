#include "app/MotherFromShell.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;  // 60 s of sample bytes

class MotherFromShell : public ::testing::Test {
protected:
    ~MotherFromShell() override { closeAllStreams(state); }

    std::string minute(const std::string& name) const
    {
        return folder.writeWav(name, pcmHeader(ONE_MINUTE), 44 + ONE_MINUTE);
    }

    ScratchFolder folder;
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

}  // namespace

TEST_F(MotherFromShell, OneFileLoadsWithoutAPick)
{
    // Letters beyond ASCII, as the shell hands them over in UTF-8.
    const std::string path = minute("M\xC3\xBCtter \xD0\x9C\xD0\xB0\xD1\x82\xD1\x8C \xE6\xAF\x8D.wav");
    loadMotherFromShell(ctx, {path});

    EXPECT_TRUE(fake.fileDialogs.empty());
    EXPECT_EQ(path, state.motherPath);
    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(10583932u, state.motherDataBytes);
    ASSERT_NE(nullptr, state.motherStream);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(FakePlatform::MAIN_WINDOW, fake.boxes[0].owner);
    EXPECT_EQ("duration minutes = ", fake.boxes[0].caption);
    EXPECT_EQ(" 1.00 ", fake.boxes[0].text);
}

TEST_F(MotherFromShell, UnusableFileIsRefusedAsByLoad)
{
    loadMotherFromShell(ctx, {minute("first.wav")});
    fake.boxes.clear();
    const std::string absent = folder.path("absent.wav");
    loadMotherFromShell(ctx, {absent});

    EXPECT_EQ(0, state.motherChosen);
    EXPECT_EQ(nullptr, state.motherStream);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(" MOTHER Wavfile cannot be opened ", fake.boxes[0].caption);
    EXPECT_EQ(absent, fake.boxes[0].text);
}

TEST_F(MotherFromShell, SeveralFilesAreRefusedAndNoneLeavesTheMotherAsItWas)
{
    const std::string first = minute("first.wav");
    loadMotherFromShell(ctx, {first});
    std::FILE* const stream = state.motherStream;
    fake.boxes.clear();

    loadMotherFromShell(ctx, {minute("a.wav"), minute("b.wav")});
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(" only one MOTHER Wavfile can be loaded ", fake.boxes[0].caption);
    EXPECT_EQ(" only one MOTHER Wavfile can be loaded ", fake.boxes[0].text);

    loadMotherFromShell(ctx, {});
    EXPECT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(first, state.motherPath);
    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(stream, state.motherStream);
}
