#include "splitwindow/SplitProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "support/FakePlatform.h"

namespace {

PenRef const GREY = reinterpret_cast<PenRef>(0x11);
PenRef const RED = reinterpret_cast<PenRef>(0x12);
PenRef const GREEN = reinterpret_cast<PenRef>(0x13);

class Progress : public ::testing::Test {
protected:
    FakePlatform fake;
    std::unique_ptr<DrawingSurface> surface = fake.beginDrawing(FakePlatform::DIALOG);
    SplitProgress progress{*surface, {GREY, RED, GREEN}, 0, 0, {}};

    // The drawings as "pen" / "x1,y1-x2,y2" / "text@x,y:..." words, for compact comparison.
    std::vector<std::string> drawn() const
    {
        std::vector<std::string> words;
        for (const RecordedDrawing& d : fake.drawings) {
            if (d.op == "pen") {
                words.push_back(d.pen == GREY ? "grey" : d.pen == RED ? "red" : d.pen == GREEN ? "green" : "?");
            } else if (d.op == "move") {
                words.push_back(std::to_string(d.x) + "," + std::to_string(d.y));
            } else if (d.op == "line") {
                words.back() += "-" + std::to_string(d.x) + "," + std::to_string(d.y);
            } else {
                words.push_back("text@" + std::to_string(d.x) + "," + std::to_string(d.y) + ":" + d.text);
            }
        }
        return words;
    }
};

}  // namespace

TEST(BarPosition, QuotientTimesEightHundredTruncated)
{
    EXPECT_EQ(barPosition(0, 1764000), 0);
    EXPECT_EQ(barPosition(1764000, 1764000), 800);
    EXPECT_EQ(barPosition(1764000, 10583932), 133);
    EXPECT_EQ(barPosition(1763328, 1764000), 799);
    EXPECT_EQ(barPosition(1, 3), 266);
    EXPECT_EQ(barPosition(8820000, 10583932), 666);
    // The single-precision quotient, 0.53 as 0.52999997, falls short of the exact 424.
    EXPECT_EQ(barPosition(53, 100), 423);
}

TEST(PercentText, NumberInAFieldOfThreeAndOnlyWhatStandsBeforeTheMarker)
{
    // Precision 0: a percentage of 0 prints no digit at all, only the field's blanks.
    EXPECT_EQ(formatPercentText("sum = % 3.u %% @", 0), "sum =     % @");
    EXPECT_EQ(drawnPercentText(formatPercentText("sum = % 3.u %% @", 0)), "sum =     %");
    EXPECT_EQ(drawnPercentText(formatPercentText("sum = % 3.u %% @", 7)), "sum =   7 %");
    EXPECT_EQ(drawnPercentText(formatPercentText("Gesammt = % 3.u %% @", 16)), "Gesammt =  16 %");
    EXPECT_EQ(drawnPercentText(formatPercentText("Gesammt = % 3.u %% @", 100)), "Gesammt = 100 %");
    EXPECT_EQ(drawnPercentText("no marker"), "");
}

TEST_F(Progress, EmptyTracksChildFirstThenTotal)
{
    drawEmptyTracks(*surface, GREY);
    EXPECT_EQ(drawn(), (std::vector<std::string>{"grey", "40,40-840,40", "grey", "40,20-840,20"}));
}

TEST_F(Progress, ChildTrackRedrawsOnlyWhenTheWholePercentageChanges)
{
    std::uint64_t blockEnd = 1000;                             // blocks of 100 bytes
    childStepsThrough(progress, blockEnd, 100, 1000, 100000);  // position 8: 1 %
    childStepsThrough(progress, blockEnd, 100, 1100, 100000);  // position 8 again: nothing
    childStepsThrough(progress, blockEnd, 100, 1200, 100000);  // position 9, still 1 %: remembered, not drawn
    childStepsThrough(progress, blockEnd, 100, 2000, 100000);  // on to position 16: 2 %
    EXPECT_EQ(drawn(), (std::vector<std::string>{"green", "40,40-48,40", "green", "40,40-56,40"}));
    EXPECT_EQ(progress.lastBarPos, 16);
    EXPECT_EQ(progress.lastBarPercent, 2);
}

TEST_F(Progress, TheStepsOfOneTransferDrawOnlyTheLastLineTheyWould)
{
    std::uint64_t blockEnd = 1000;
    childStepsThrough(progress, blockEnd, 1000, 2500, 100000);  // 1 %, then 2 %: one line, to 2 %
    EXPECT_EQ(blockEnd, 3000u);
    EXPECT_EQ(progress.lastBarPos, 16);
    EXPECT_EQ(progress.lastBarPercent, 2);
    childStepsThrough(progress, blockEnd, 1000, 2999, 100000);  // no block ends: nothing
    childStepsThrough(progress, blockEnd, 1000, 5100, 100000);  // 3 %, 4 %, 5 %: to 5 % only
    EXPECT_EQ(drawn(), (std::vector<std::string>{"green", "40,40-56,40", "green", "40,40-80,40"}));
    EXPECT_EQ(blockEnd, 6000u);
    // Blocks that stay within the percentage last drawn draw nothing, but the position moves on.
    progress.lastBarPercent = 6;
    childStepsThrough(progress, blockEnd, 100, 6300, 100000);  // positions 48, 48, 49 and 50
    EXPECT_EQ(drawn().size(), 4u);
    EXPECT_EQ(progress.lastBarPos, 50);
    EXPECT_EQ(progress.lastBarPercent, 6);
}

TEST_F(Progress, ClosingStepDrawsAnyNewPositionAndKeepsThePercentage)
{
    progress.lastBarPos = 799;
    progress.lastBarPercent = 99;
    childClosingStep(progress, 100000, 100000);
    childClosingStep(progress, 100000, 100000);
    EXPECT_EQ(drawn(), (std::vector<std::string>{"green", "40,40-840,40"}));
    EXPECT_EQ(progress.lastBarPos, 800);
    EXPECT_EQ(progress.lastBarPercent, 99);
}

TEST_F(Progress, TotalStepDrawsTrackAndPercentageWithTheTextAfterEachChild)
{
    progress.lastBarPos = 800;
    progress.lastBarPercent = 99;
    totalStep(progress, 1764000, 10583932, "Gesammt = % 3.u %% @");
    EXPECT_EQ(drawn(), (std::vector<std::string>{"green", "40,20-173,20", "text@370,60:Gesammt =  16 %"}));
    EXPECT_EQ(progress.lastBarPos, 133);
    EXPECT_EQ(progress.lastBarPercent, 16);

    // The same position again draws nothing.
    totalStep(progress, 1764000, 10583932, "Gesammt = % 3.u %% @");
    EXPECT_EQ(drawn().size(), 3u);
}

TEST_F(Progress, FinalStepFillsTheTotalTrackOnce)
{
    progress.lastBarPos = 666;
    finalStep(progress, "sum = % 3.u %% @");
    finalStep(progress, "sum = % 3.u %% @");
    EXPECT_EQ(drawn(), (std::vector<std::string>{"green", "40,20-840,20", "text@370,60:sum = 100 %"}));
    EXPECT_EQ(progress.lastBarPos, 800);
}

TEST_F(Progress, APercentageLineCoversTheLongerOneBeforeItWithBlanks)
{
    // The fake font: 6 pixels a character, 3 a blank. "Gesammt =  83 %" is 78 pixels wide,
    // "sum = 100 %" 57: seven blanks, not the four that would match the characters.
    progress.lastBarPercent = 66;
    totalStep(progress, 8820000, 10583932, "Gesammt = % 3.u %% @");
    totalStep(progress, 8820001, 10583932, "Gesammt = % 3.u %% @");  // 83 % again: nothing drawn
    finalStep(progress, "sum = % 3.u %% @");
    // A shorter line after it is padded to the widest that stands there, the padded one included.
    progress.lastBarPos = 0;
    progress.lastBarPercent = 0;
    totalStep(progress, 1764000, 10583932, "sum = % 3.u %% @");
    const std::vector<std::string> words = drawn();
    std::vector<std::string> texts;
    std::copy_if(words.begin(), words.end(), std::back_inserter(texts),
                 [](const std::string& w) { return w.rfind("text@", 0) == 0; });
    EXPECT_EQ(texts, (std::vector<std::string>{"text@370,60:Gesammt =  83 %", "text@370,60:sum = 100 %       ",
                                               "text@370,60:sum =  16 %        "}));
}

TEST_F(Progress, ResetAndNameOfAChild)
{
    resetChildTrack(progress);
    drawChildName(progress, "/takes/song1.WAV");
    EXPECT_EQ(drawn(), (std::vector<std::string>{"red", "40,40-840,40", "text@40,80:/takes/song1.WAV"}));
}
