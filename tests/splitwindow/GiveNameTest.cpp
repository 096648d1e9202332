#include "splitwindow/GiveName.h"

#include <gtest/gtest.h>

#include "planning/ChildNaming.h"
#include "support/FakePlatform.h"
#include "ui/FilePicker.h"

namespace {

class GiveName : public ::testing::Test {
protected:
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

}  // namespace

TEST_F(GiveName, PickCutsTheStemAtTheFirstDotOfTheFileName)
{
    state.childNumber = 42;
    fake.pick("C:\\Users\\john.doe\\kid.wav");
    giveName(ctx);

    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    EXPECT_EQ(fake.fileDialogs[0].title, "CHILDREN->Names");
    EXPECT_EQ(fake.fileDialogs[0].filter, buildFileFilter("WAV"));
    EXPECT_EQ(state.childrenNamed, 1);
    EXPECT_EQ(state.childBaseName, "C:\\Users\\john.doe\\kid.wav");
    EXPECT_EQ(state.childStem, "C:\\Users\\john.doe\\kid");
    EXPECT_EQ(state.childNumber, 1);
    EXPECT_TRUE(fake.boxes.empty());
    // The Children go into the picked folder, named after the picked file.
    nextChildName(state);
    EXPECT_EQ(state.childBaseName, "C:\\Users\\john.doe\\kid1.WAV");

    fake.pick("C:\\w\\song");
    giveName(ctx);
    EXPECT_EQ(state.childStem, "C:\\w\\song");
}

TEST_F(GiveName, CancelKeepsStemAndNumberButWithdrawsTheName)
{
    fake.pick("C:\\w\\song.part.wav");
    giveName(ctx);
    state.childNumber = 7;  // as a split leaves it
    state.childBaseName = "C:\\w\\song6.WAV";

    fake.cancelPick();
    giveName(ctx);
    EXPECT_EQ(fake.fileDialogs[1].initialName, "C:\\w\\song6.WAV");
    EXPECT_EQ(state.childrenNamed, 0);
    EXPECT_EQ(state.childStem, "C:\\w\\song");
    EXPECT_EQ(state.childNumber, 7);
}
