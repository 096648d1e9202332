#include "app/Dispatch.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "support/FakePlatform.h"

namespace {

struct Refused {
    int command;
    const char* message;
};

class Dispatch : public ::testing::Test {
protected:
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};

    // Runs the command and checks that it showed exactly one box with the message as caption and
    // text, and left the record as it was.
    ::testing::AssertionResult refuses(int command, const std::string& message)
    {
        const AppState before = state;
        fake.boxes.clear();
        if (!dispatchCommand(ctx, command)) {
            return ::testing::AssertionFailure() << command << " is not a known command";
        }
        if (fake.boxes.size() != 1) {
            return ::testing::AssertionFailure() << command << " showed " << fake.boxes.size() << " boxes";
        }
        const RecordedBox& box = fake.boxes[0];
        if (box.caption != message || box.text != message || box.owner != FakePlatform::MAIN_WINDOW) {
            return ::testing::AssertionFailure()
                   << command << " showed [" << box.caption << "] / [" << box.text << "], expected [" << message << "]";
        }
        if (!(state == before)) {
            return ::testing::AssertionFailure() << command << " changed the record";
        }
        if (!fake.fileDialogs.empty() || !fake.promptQuestions.empty()) {
            return ::testing::AssertionFailure() << command << " went on after its refusal";
        }
        return ::testing::AssertionSuccess();
    }
};

}  // namespace

TEST_F(Dispatch, WithNothingPickedEachCommandShowsItsOwnRefusal)
{
    const Refused table[] = {
        {IDM_WAVESHOW, " no Mother file "},
        {IDM_WAVESHOW_ULTRAFAST, " no Mother file "},
        {IDM_WAVESHOW_AUTO, " no Mother file "},
        {IDM_CUT_HUNDREDTHS, " No MOTHER wave !"},
        {IDM_CUT_TENTHS, " no MOTHER wave selected !"},
        {IDM_CUT_QUARTERS, " no MOTHER wave !"},
        {IDM_CUT_HALVES, " no MOTHER wave selected  !"},
        {IDM_CUT_SECONDS, " no MOTHER wave selected !"},
        {IDM_CUT_COUNT, "  no MOTHER wave selected  !"},
        {IDM_MARKS_MARKERS, " no MOTHER wave selected !"},
        {IDM_MARKS_LABELS, " no MOTHER wave selected !"},
        {IDM_MARKS_CUE, " no MOTHER wave selected !"},
        {IDM_MARKS_SILENCE, " no MOTHER wave selected !"},
        {IDM_ALLSPLIT, " no LIKE Header "},
        // The template test passes: no piece length has come from a template.
        {IDM_SPLIT_TO_CHILDREN, " no Mother file "},
    };
    for (const Refused& refused : table) {
        SCOPED_TRACE("command " + std::to_string(refused.command));
        EXPECT_TRUE(refuses(refused.command, refused.message));
    }
}

TEST_F(Dispatch, SplitRefusalsComeInTheirOrder)
{
    state.likeChosen = 1;
    EXPECT_TRUE(refuses(IDM_ALLSPLIT, " no Mother FILE "));
    state.motherChosen = 1;
    EXPECT_TRUE(refuses(IDM_ALLSPLIT, " no CHILDS "));
    EXPECT_TRUE(refuses(IDM_SPLIT_TO_CHILDREN, " no CHILDS "));

    state.likeChosen = 0;
    state.childrenNamed = 1;
    EXPECT_TRUE(refuses(IDM_ALLSPLIT, " no LIKE Header "));
    state.cutMode = CutMode::Template;
    state.motherChosen = 0;
    EXPECT_TRUE(refuses(IDM_SPLIT_TO_CHILDREN, " no LIKE Header "));
}

TEST_F(Dispatch, WaveshowRefusesAMotherOverTheLimitWithItsSizeInMebibytes)
{
    state.motherChosen = 1;
    const std::string caption = " FILE  is  over >5.7MB  please select with WAVESHOW ( auto or ultrafast ) !!! ";

    state.motherFileBytes = 5859376;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, caption);
    EXPECT_EQ(fake.boxes[0].text, " 5    ");

    state.motherFileBytes = 10485760;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW));
    ASSERT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].text, " 10   ");

    // Whole mebibytes, not millions of bytes: 6 291 455 bytes are 5.99 MiB.
    state.motherFileBytes = 6291455;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW));
    ASSERT_EQ(fake.boxes.size(), 3u);
    EXPECT_EQ(fake.boxes[2].text, " 5    ");

    state.motherFileBytes = 5859375;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW));
    EXPECT_EQ(fake.boxes.size(), 3u);
    EXPECT_FALSE(fake.drawings.empty());
}

TEST_F(Dispatch, TestFunctionChangesAndShowsNothing)
{
    const AppState before = state;
    EXPECT_TRUE(dispatchCommand(ctx, IDM_TEST_FUNCTION));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(fake.drawings.empty());
    EXPECT_TRUE(state == before);
}

TEST_F(Dispatch, UnknownIdentifiersAreNotCommands)
{
    EXPECT_FALSE(dispatchCommand(ctx, 0));
    EXPECT_FALSE(dispatchCommand(ctx, 2));
    EXPECT_FALSE(dispatchCommand(ctx, 32801));
    EXPECT_FALSE(dispatchCommand(ctx, 65535));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(Dispatch, InfoOpensTheInfoDialog)
{
    EXPECT_TRUE(dispatchCommand(ctx, IDM_ABOUT));
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].dialogId, 103);
}
