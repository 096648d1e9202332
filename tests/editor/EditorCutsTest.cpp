// The editor's cuts: where one may stand, how a moved one stops short of its neighbours, which
// piece holds a frame and which cut a click finds.
#include "editor/EditorCuts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

EditorCuts cutsAt(std::uint64_t total, const std::vector<std::uint64_t>& frames)
{
    EditorCuts cuts(total);
    for (std::uint64_t frame : frames) {
        EXPECT_TRUE(cuts.insert({frame, {}}).has_value()) << frame;
    }
    return cuts;
}

std::vector<std::uint64_t> framesOf(const EditorCuts& cuts)
{
    std::vector<std::uint64_t> frames;
    for (const EditorCut& cut : cuts.cuts()) {
        frames.push_back(cut.frame);
    }
    return frames;
}

TEST(EditorCuts, KeepsItsCutsInOrderAndRefusesTheEndsAndDoubles)
{
    EditorCuts cuts = cutsAt(1000, {500, 100, 900});
    EXPECT_EQ(framesOf(cuts), (std::vector<std::uint64_t>{100, 500, 900}));
    struct Row {
        std::uint64_t frame;
        bool allowed;
    };
    for (const Row& row :
         {Row{0, false}, Row{1, true}, Row{100, false}, Row{999, true}, Row{1000, false}, Row{5000000000, false}}) {
        EXPECT_EQ(cuts.insert({row.frame, {}}).has_value(), row.allowed) << row.frame;
    }
    EXPECT_EQ(framesOf(cuts), (std::vector<std::uint64_t>{1, 100, 500, 900, 999}));
}

TEST(EditorCuts, AMovedCutStopsOneFrameShortOfItsNeighbours)
{
    struct Row {
        std::size_t index;
        std::uint64_t wanted;
        std::uint64_t got;
    };
    for (const Row& row :
         {Row{1, 0, 101}, Row{1, 700, 700}, Row{1, 5000, 899}, Row{0, 0, 1}, Row{2, 2000, 999}, Row{2, 100, 501}}) {
        EditorCuts cuts = cutsAt(1000, {100, 500, 900});
        EXPECT_EQ(cuts.moveTo(row.index, row.wanted), row.got) << row.index << " " << row.wanted;
    }
}

TEST(EditorCuts, APieceIsNamedByItsCutAndTheFirstApart)
{
    EditorCuts cuts = cutsAt(1000, {100, 500});
    EXPECT_EQ(cuts.pieceAt(0), 0u);
    EXPECT_EQ(cuts.pieceAt(99), 0u);
    EXPECT_EQ(cuts.pieceAt(100), 1u);
    EXPECT_EQ(cuts.pieceAt(999), 2u);
    cuts.setPieceName(0, "intro");
    cuts.setPieceName(2, "coda");
    EXPECT_EQ(cuts.pieceName(0), "intro");
    EXPECT_EQ(cuts.pieceName(1), "");
    EXPECT_EQ(cuts.cuts()[1].name, "coda");
    EXPECT_EQ(cuts.pieceStart(2), 500u);
    EXPECT_EQ(cuts.pieceEnd(2), 1000u);
    EXPECT_EQ(cuts.erase(1).name, "coda");
}

TEST(EditorCuts, NearestFindsTheCloserCutWithinReach)
{
    const EditorCuts cuts = cutsAt(1000, {100, 110, 500});
    EXPECT_EQ(cuts.nearest(104, 10), std::optional<std::size_t>(0));
    EXPECT_EQ(cuts.nearest(105, 10), std::optional<std::size_t>(0));  // the earlier of two as near
    EXPECT_EQ(cuts.nearest(108, 10), std::optional<std::size_t>(1));
    EXPECT_EQ(cuts.nearest(300, 10), std::nullopt);
    EXPECT_EQ(cuts.nearest(509, 10), std::optional<std::size_t>(2));
}

}  // namespace
