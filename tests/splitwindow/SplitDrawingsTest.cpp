#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "splitwindow/SplitFixture.h"

namespace {

PenRef const GREY = reinterpret_cast<PenRef>(0x21);
PenRef const RED = reinterpret_cast<PenRef>(0x22);

struct Line {
    PenRef pen = nullptr;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The drawings of a split as lines (pen, from, to) and texts, in the order they were made.
struct Drawn {
    std::vector<Line> lines;
    std::vector<std::string> texts;  // "x,y:text"
    std::vector<std::size_t> linesBeforeText;
};

Drawn collect(const std::vector<RecordedDrawing>& drawings)
{
    Drawn drawn;
    PenRef pen = nullptr;
    Line line;
    for (const RecordedDrawing& d : drawings) {
        if (d.op == "pen") {
            pen = d.pen;
        } else if (d.op == "move") {
            line = Line{pen, d.x, d.y, d.x, d.y};
        } else if (d.op == "line") {
            line.x2 = d.x;
            line.y2 = d.y;
            drawn.lines.push_back(line);
        } else {
            drawn.texts.push_back(std::to_string(d.x) + "," + std::to_string(d.y) + ":" + d.text);
            drawn.linesBeforeText.push_back(drawn.lines.size());
        }
    }
    return drawn;
}

class SplitDrawings : public SplitFixture {
protected:
    void SetUp() override
    {
        state.thickGreyPen = GREY;
        state.thickRedPen = RED;
    }
};

}  // namespace

TEST_F(SplitDrawings, TracksNamesAndPercentagesOfAOneMinuteSplit)
{
    loadMotherOf(10584000);
    nameChildren("kid");
    cutIntoPiecesOf(1764000);
    startNewSplit();
    const Drawn drawn = collect(fake.drawings);

    // Both empty tracks first, the Child track above the total track in the drawing order.
    ASSERT_GE(drawn.lines.size(), 2u);
    EXPECT_EQ(drawn.lines[0].pen, GREY);
    EXPECT_EQ(drawn.lines[0].y1, 40);
    EXPECT_EQ(drawn.lines[0].x2, 840);
    EXPECT_EQ(drawn.lines[1].pen, GREY);
    EXPECT_EQ(drawn.lines[1].y1, 20);

    // Every full Child: a red reset of its track, then its name and a few lines.
    std::vector<std::size_t> resets;
    for (std::size_t i = 0; i < drawn.lines.size(); ++i) {
        const Line& l = drawn.lines[i];
        EXPECT_EQ(l.x1, 40);
        EXPECT_EQ(l.y1, l.y2);
        EXPECT_LE(l.x2, 840);
        if (l.pen == RED) {
            EXPECT_EQ(l.x2, 840);
            resets.push_back(i);
        } else if (i >= 2) {
            EXPECT_EQ(l.pen, FakePlatform::DIALOG_PEN);
        }
    }
    ASSERT_EQ(resets.size(), 5u);
    resets.push_back(drawn.lines.size());
    // Of the 1 722 whole copy blocks of a Child, the first 1 024 come in one transfer of 1 MiB and
    // the rest in another: each draws the line of the last whole percentage it reached, at the
    // block that reached it (59 % at block 1 017, position 472; 99 % at block 1 706, position 792).
    const std::vector<int> totals = {173, 306, 440, 573, 706};
    for (std::size_t c = 0; c + 1 < resets.size(); ++c) {
        SCOPED_TRACE("child " + std::to_string(c + 1));
        std::vector<int> ends;
        for (std::size_t i = resets[c] + 1; i < resets[c + 1]; ++i) {
            ends.push_back(drawn.lines[i].x2 + (drawn.lines[i].y1 == 20 ? 10000 : 0));
        }
        // The two transfers, the closing step, the total track (and after the last, its final fill).
        std::vector<int> expected = {512, 832, 840, 10000 + totals[c]};
        if (c == 4) {
            expected.push_back(10840);
        }
        EXPECT_EQ(ends, expected);
    }

    const std::vector<std::string> expectedTexts = {
        "40,80:" + child("kid", 1), "370,60:Gesammt =  16 %", "40,80:" + child("kid", 2),  "370,60:Gesammt =  33 %",
        "40,80:" + child("kid", 3), "370,60:Gesammt =  50 %", "40,80:" + child("kid", 4),  "370,60:Gesammt =  66 %",
        "40,80:" + child("kid", 5), "370,60:Gesammt =  83 %", "370,60:sum = 100 %       ",
    };
    EXPECT_EQ(drawn.texts, expectedTexts);

    // The total track ends full with the short Child; the Child's own track is not drawn for it.
    const Line& last = drawn.lines.back();
    EXPECT_EQ(last.y1, 20);
    EXPECT_EQ(last.x2, 840);
}

TEST_F(SplitDrawings, SkippedPiecesStartTheTotalTrackFromTheirShare)
{
    loadMotherOf(10584000);
    nameChildren("kid");
    cutIntoPiecesOf(1764000);
    state.startPattern = 5;
    fake.dialogAnswers.push_back(DialogAnswer::Start);
    state.likeChosen = 1;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
    const Drawn drawn = collect(fake.drawings);

    // "SPLIT to Children" writes "sum = " after each Child and "Gesammt = " last.
    const std::vector<std::string> expectedTexts = {
        "40,80:" + child("kid", 5),
        "370,60:sum =  83 %",
        "370,60:Gesammt = 100 %",
    };
    EXPECT_EQ(drawn.texts, expectedTexts);
}
