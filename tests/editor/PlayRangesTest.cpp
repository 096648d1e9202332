#include "editor/PlayRanges.h"

#include <gtest/gtest.h>

// A 10 s Mother at 44.1 kHz cut at 100 000 and 300 000.
TEST(FramesToPlay, EachRequestPlaysItsFramesAndNoneBeyond)
{
    const std::vector<std::uint64_t> cuts = {100000, 300000};
    const std::vector<std::uint64_t> none;
    using R = PlayRequest;
    const struct {
        const char* what;
        R request;
        std::uint64_t cursor;
        std::optional<std::uint64_t> selected;
        const std::vector<std::uint64_t>& cuts;
        std::optional<FrameRange> range;
    } cases[] = {
        {"Space: from the cursor to the end", R::FromCursor, 5, std::nullopt, cuts, FrameRange{5, 440995}},
        {"Space at the end: nothing", R::FromCursor, 441000, std::nullopt, cuts, std::nullopt},
        {"comma: the 2 s up to the cut", R::UpToCut, 0, 300000, cuts, FrameRange{211800, 88200}},
        {"comma: 2 s that start at 11 800", R::UpToCut, 0, 100000, cuts, FrameRange{11800, 88200}},
        {"comma near the start: from frame 0", R::UpToCut, 0, 50000, cuts, FrameRange{0, 50000}},
        {"comma without a selected cut: nothing", R::UpToCut, 0, std::nullopt, cuts, std::nullopt},
        {"period: the 2 s from the cut", R::FromCut, 0, 300000, cuts, FrameRange{300000, 88200}},
        {"period near the end: up to the end", R::FromCut, 0, 400000, cuts, FrameRange{400000, 41000}},
        {"period without a selected cut: nothing", R::FromCut, 7, std::nullopt, cuts, std::nullopt},
        {"Ctrl+Space at 0: the first piece", R::Child, 0, std::nullopt, cuts, FrameRange{0, 100000}},
        {"Ctrl+Space on a cut: the piece it starts", R::Child, 100000, std::nullopt, cuts, FrameRange{100000, 200000}},
        {"Ctrl+Space just before a cut", R::Child, 299999, std::nullopt, cuts, FrameRange{100000, 200000}},
        {"Ctrl+Space on the last frame", R::Child, 440999, std::nullopt, cuts, FrameRange{300000, 141000}},
        {"Ctrl+Space at the end: the last piece", R::Child, 441000, std::nullopt, cuts, FrameRange{300000, 141000}},
        {"Ctrl+Space without cuts: the whole Mother", R::Child, 1234, std::nullopt, none, FrameRange{0, 441000}},
    };
    for (const auto& c : cases) {
        const PlayPlace place{c.cursor, c.selected, c.cuts, 441000, 44100};
        EXPECT_EQ(framesToPlay(c.request, place), c.range) << c.what;
    }
}

TEST(FramesToPlay, TwoSecondsAreTwoSecondsOfTheMothersRate)
{
    const std::vector<std::uint64_t> cuts = {500000};
    const PlayPlace at96k{0, 500000, cuts, 1000000, 96000};
    EXPECT_EQ(framesToPlay(PlayRequest::UpToCut, at96k), (FrameRange{308000, 192000}));
    EXPECT_EQ(framesToPlay(PlayRequest::FromCut, at96k), (FrameRange{500000, 192000}));
}
