#include "app/Shell.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "core/AppState.h"
#include "app/Dispatch.h"
#include "res/resource.h"
#include "support/FakePlatform.h"

namespace {

char bluePenToken;
char yellowPenToken;
char redPenToken;

}  // namespace

TEST(Quit, ClosesTheMotherDeletesTheWavePensAndDestroysTheWindow)
{
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    state.bluePen = &bluePenToken;
    state.yellowPen = &yellowPenToken;
    state.thickRedPen = &redPenToken;
    state.motherStream = std::tmpfile();
    ASSERT_NE(state.motherStream, nullptr);

    EXPECT_TRUE(dispatchCommand(ctx, IDM_EXIT));

    EXPECT_EQ(state.motherStream, nullptr);
    EXPECT_EQ(fake.deletedPens, (std::vector<PenRef>{&bluePenToken, &yellowPenToken}));
    EXPECT_EQ(state.thickRedPen, &redPenToken);
    EXPECT_EQ(fake.destroyedWindows, std::vector<WindowRef>{FakePlatform::MAIN_WINDOW});
}

TEST(MainWindowDestroyed, ClosesAnOpenMotherOnceAndToleratesNone)
{
    AppState state;
    state.motherStream = std::tmpfile();
    ASSERT_NE(state.motherStream, nullptr);
    onMainWindowDestroyed(state);
    EXPECT_EQ(state.motherStream, nullptr);
    onMainWindowDestroyed(state);
    EXPECT_EQ(state.motherStream, nullptr);
}
