// The editor's keys and mouse as functions of its values: placing, moving, dragging, deleting,
// naming and undoing cuts, each change one step, and snapping to the first channel's zero.
#include "editor/CutEditor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr std::uint64_t MINUTE = 60 * 44100;

std::vector<std::uint64_t> framesOf(const CutEditor& editor)
{
    std::vector<std::uint64_t> frames;
    for (const EditorCut& cut : editor.cuts().cuts()) {
        frames.push_back(cut.frame);
    }
    return frames;
}

// A minute cut every 10 s, over 1000 pixels: 2646 frames a pixel.
CutEditor tenSecondPieces()
{
    EditorCuts cuts(MINUTE);
    for (std::uint64_t s = 10; s < 60; s += 10) {
        static_cast<void>(cuts.insert({s * 44100, {}}));
    }
    return CutEditor(cuts, 1000);
}

TEST(CutEditor, TheIssuesWalkThroughGivesItsCutsAndUndoesEachStep)
{
    CutEditor editor = tenSecondPieces();
    // A double-click in the middle of the third piece, at column 416 (frame 416 x 2646).
    ASSERT_TRUE(editor.doubleClick(416));
    EXPECT_EQ(editor.selected(), std::optional<std::size_t>(2));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(editor.nudge(+1, NudgeStep::Frame));
    }
    EXPECT_EQ(framesOf(editor), (std::vector<std::uint64_t>{441000, 882000, 1100739, 1323000, 1764000, 2205000}));
    editor.selectNext();  // the cut at 30 s
    EXPECT_TRUE(editor.deleteSelected());
    EXPECT_TRUE(editor.namePiece(editor.cuts().pieceAt(1200000), "song"));
    EXPECT_EQ(editor.cuts().pieceName(3), "song");
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(editor.cuts().pieceName(3), "");
    EXPECT_TRUE(editor.redo());
    EXPECT_EQ(editor.cuts().pieceName(3), "song");
    EXPECT_EQ(framesOf(editor), (std::vector<std::uint64_t>{441000, 882000, 1100739, 1764000, 2205000}));
    // Back to where it was opened, step by step: name, delete, three moves, the add.
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(editor.undo()) << i;
    }
    EXPECT_FALSE(editor.undo());
    EXPECT_EQ(editor.cuts(), tenSecondPieces().cuts());
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(editor.redo()) << i;
    }
    EXPECT_EQ(framesOf(editor), (std::vector<std::uint64_t>{441000, 882000, 1100739, 1764000, 2205000}));
}

TEST(CutEditor, LeftAndRightMoveByAPixelTenPixelsOrAFrameWithinTheNeighbours)
{
    struct Row {
        int direction;
        NudgeStep step;
        int times;
        std::uint64_t frame;
    };
    for (const Row& row : {Row{+1, NudgeStep::Pixel, 1, 443646}, Row{-1, NudgeStep::TenPixels, 2, 388080},
                           Row{+1, NudgeStep::Frame, 1, 441001}, Row{-1, NudgeStep::TenPixels, 100, 1},
                           Row{+1, NudgeStep::TenPixels, 100, 881999}}) {
        CutEditor editor = tenSecondPieces();
        editor.click(166);  // the first cut is at column 166
        ASSERT_EQ(editor.selected(), std::optional<std::size_t>(0));
        for (int i = 0; i < row.times; ++i) {
            editor.nudge(row.direction, row.step);
        }
        EXPECT_EQ(editor.cuts().cuts()[0].frame, row.frame) << row.times;
    }
}

TEST(CutEditor, AClickSelectsTheNearestCutWithinFourPixels)
{
    struct Row {
        std::int64_t x;
        std::optional<std::size_t> selected;
    };
    for (const Row& row : {Row{162, 0}, Row{170, 0}, Row{171, std::nullopt}, Row{161, std::nullopt}, Row{333, 1}}) {
        CutEditor editor = tenSecondPieces();
        editor.click(row.x);
        EXPECT_EQ(editor.selected(), row.selected) << row.x;
        EXPECT_EQ(editor.cursor(), static_cast<std::uint64_t>(row.x) * 2646);
    }
}

TEST(CutEditor, ADragIsOneStepAndEscPutsTheCutBack)
{
    CutEditor editor = tenSecondPieces();
    ASSERT_TRUE(editor.overCut(167));
    ASSERT_TRUE(editor.beginDrag(167));
    editor.dragTo(200);
    editor.dragTo(250);
    EXPECT_EQ(framesOf(editor)[0], 250u * 2646);
    editor.cancelDrag();
    EXPECT_EQ(framesOf(editor)[0], 441000u);
    EXPECT_FALSE(editor.canUndo());
    ASSERT_TRUE(editor.beginDrag(166));
    editor.dragTo(200);
    editor.dragTo(900);  // stops one frame short of the next cut
    editor.endDrag();
    EXPECT_EQ(framesOf(editor)[0], 881999u);
    EXPECT_TRUE(editor.undo());
    EXPECT_EQ(framesOf(editor)[0], 441000u);
    EXPECT_FALSE(editor.undo());
    EXPECT_FALSE(editor.beginDrag(600));
    EXPECT_TRUE(editor.rightClick(500));
    EXPECT_EQ(framesOf(editor).size(), 4u);
}

TEST(CutEditor, InsertAtTheCursorIsRefusedOnACutOrAtFrameZero)
{
    CutEditor editor = tenSecondPieces();
    editor.cursorHome();
    EXPECT_FALSE(editor.addAtCursor());
    editor.cursorEnd();
    EXPECT_EQ(editor.cursor(), MINUTE - 1);
    EXPECT_TRUE(editor.addAtCursor());
    EXPECT_FALSE(editor.addAtCursor());
    EXPECT_EQ(framesOf(editor).back(), MINUTE - 1);
}

// A first channel of 16-bit stereo that changes sign where the table says.
struct SignedFrames {
    std::vector<std::int16_t> first;
    std::size_t read(std::uint64_t from, std::uint8_t* into, std::size_t frames) const
    {
        std::size_t got = 0;
        for (; got < frames && from + got < first.size(); ++got) {
            const std::int16_t pair[2] = {first[from + got], 0};
            std::memcpy(into + got * 4, pair, 4);
        }
        return got;
    }
};

TEST(CutEditor, SnappingTakesTheNearestChangeOfSignWithin5Ms)
{
    // 1000 frames a second: 5 ms are 5 frames.
    SignedFrames mother{std::vector<std::int16_t>(100, 100)};
    for (std::size_t f = 40; f < 100; ++f) {
        mother.first[f] = -100;  // the sign changes at 40
    }
    for (std::size_t f = 70; f < 100; ++f) {
        mother.first[f] = 7;  // and again at 70
    }
    const SnapSource source{[&](std::uint64_t f, std::uint8_t* into, std::size_t n) { return mother.read(f, into, n); },
                            SampleLayout{SampleKind::Signed16, 2, 2, 4}, 1000};
    struct Row {
        std::uint64_t placed;
        std::uint64_t cut;
    };
    for (const Row& row : {Row{43, 40}, Row{35, 40}, Row{34, 34}, Row{66, 70}, Row{55, 55}}) {
        CutEditor editor(EditorCuts(100), 100);
        editor.setSnapSource(source);
        editor.setSnap(true);
        editor.click(static_cast<std::int64_t>(row.placed));
        ASSERT_TRUE(editor.addAtCursor());
        EXPECT_EQ(framesOf(editor)[0], row.cut) << row.placed;
    }
    // A cut dragged is dropped on the crossing; one only clicked stays where it is.
    CutEditor dragged(EditorCuts(100), 100);
    dragged.setSnapSource(source);
    dragged.click(55);
    ASSERT_TRUE(dragged.addAtCursor());
    dragged.setSnap(true);
    ASSERT_TRUE(dragged.beginDrag(55));
    dragged.dragTo(55);
    dragged.endDrag();
    EXPECT_EQ(framesOf(dragged)[0], 55u);
    ASSERT_TRUE(dragged.beginDrag(55));
    dragged.dragTo(68);
    dragged.endDrag();
    EXPECT_EQ(framesOf(dragged)[0], 70u);
    CutEditor off(EditorCuts(100), 100);
    off.setSnapSource(source);
    off.click(43);
    off.addAtCursor();
    EXPECT_EQ(framesOf(off)[0], 43u);
}

TEST(CutEditor, TabSelectsTheNextCutAndScrollsItIntoView)
{
    CutEditor editor = tenSecondPieces();
    for (int i = 0; i < 8; ++i) {
        editor.zoomAt(0, true);
    }
    editor.selectNext();
    EXPECT_EQ(editor.selected(), std::optional<std::size_t>(0));
    editor.selectNext();
    editor.selectNext();
    EXPECT_EQ(editor.selected(), std::optional<std::size_t>(2));
    const std::int64_t x = columnOf(editor.view(), 1323000);
    EXPECT_GE(x, 0);
    EXPECT_LT(x, 1000);
    editor.selectPrevious();
    EXPECT_EQ(editor.selected(), std::optional<std::size_t>(1));
}

}  // namespace
