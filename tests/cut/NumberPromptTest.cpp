#include "cut/NumberPrompt.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

TEST(PromptNumber, ConvertsPlainDecimalNumbersUpTo32Bits)
{
    EXPECT_EQ(parsePromptNumber("25"), 25u);
    EXPECT_EQ(parsePromptNumber("0"), 0u);
    EXPECT_EQ(parsePromptNumber("007"), 7u);
    EXPECT_EQ(parsePromptNumber("4294967295"), 4294967295u);
    EXPECT_EQ(parsePromptNumber(" 12 "), 12u);
}

TEST(PromptNumber, EmptyNonNumericAndTooLargeGiveZero)
{
    EXPECT_EQ(parsePromptNumber(""), 0u);
    EXPECT_EQ(parsePromptNumber("   "), 0u);
    EXPECT_EQ(parsePromptNumber("4294967296"), 0u);
    EXPECT_EQ(parsePromptNumber("99999999999999999999999"), 0u);
    EXPECT_EQ(parsePromptNumber("18446744073709551617"), 0u);  // 2^64 + 1: wraps to 1 in 64 bits
    EXPECT_EQ(parsePromptNumber("12a"), 0u);
    EXPECT_EQ(parsePromptNumber("-5"), 0u);
    EXPECT_EQ(parsePromptNumber("+5"), 0u);
    EXPECT_EQ(parsePromptNumber("1 2"), 0u);
}

TEST(PromptQuestion, ShowsTheTextBeforeTheFirstStar)
{
    EXPECT_EQ(visiblePromptText("start from Pattern ?  =  * "), "start from Pattern ?  =  ");
    EXPECT_EQ(visiblePromptText("a*b*"), "a");
    EXPECT_EQ(visiblePromptText("no star"), "");
}

TEST(PromptAnswers, CancelSaysNothingWasSelectedInABoxOwnedByThePrompt)
{
    FakePlatform fake;
    const WindowRef prompt = FakePlatform::DIALOG;
    numberPromptCancel(fake, prompt);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].owner, prompt);
    EXPECT_EQ(fake.boxes[0].caption, " nothing selected by ");
    EXPECT_EQ(fake.boxes[0].text, " CANCEL ");
}

TEST(PromptAnswers, AskNumberPutsTheQuestionInPlaceAndKeepsTheAnswer)
{
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    fake.answer(4294967295u);
    EXPECT_EQ(askNumber(ctx, "0.1 sec =  * "), 4294967295u);
    EXPECT_EQ(state.promptText, "0.1 sec =  * ");
    EXPECT_EQ(state.promptValue, 4294967295u);
    EXPECT_EQ(fake.promptQuestions, std::vector<std::string>{"0.1 sec =  * "});
    fake.cancelPrompt();
    EXPECT_EQ(askNumber(ctx, "0.1 sec =  * "), 0u);
    EXPECT_EQ(state.promptValue, 0u);
}
