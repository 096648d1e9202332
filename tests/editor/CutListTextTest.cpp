// The list of cuts SAVE writes: its literal lines, and every cut read back at its own frame by the
// label list's reading at 44.1, 48 and 96 kHz.
#include "editor/CutListText.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/EditorPlan.h"
#include "marks/LabelList.h"

namespace {

TEST(CutListText, SecondsAreTheNearestMicrosecond)
{
    struct Row {
        std::uint64_t frame;
        std::uint32_t rate;
        const char* text;
    };
    for (const Row& row :
         {Row{0, 44100, "0.000000"}, Row{441000, 44100, "10.000000"}, Row{1, 44100, "0.000023"},
          Row{2, 96000, "0.000021"}, Row{3, 96000, "0.000031"}, Row{44099, 44100, "0.999977"},
          Row{47999999, 48000, "999.999979"}, Row{5000000000, 96000, "52083.333333"}, Row{1, 2000000, "0.000001"}}) {
        EXPECT_EQ(secondsText(row.frame, row.rate), row.text) << row.frame << " at " << row.rate;
    }
}

TEST(CutListText, OneLineAChildWithItsNameAndCrLf)
{
    EditorCuts cuts(2646000);
    static_cast<void>(cuts.insert({441000, {}}));
    static_cast<void>(cuts.insert({1100739, "song"}));
    EXPECT_EQ(cutListText(cuts, 44100), "0.000000\t10.000000\t\r\n"
                                        "10.000000\t24.960068\t\r\n"
                                        "24.960068\t60.000000\tsong\r\n");
}

TEST(CutListText, EveryCutComesBackAtItsFrame)
{
    std::mt19937_64 random(36);
    for (std::uint32_t rate : {44100u, 48000u, 96000u}) {
        const std::uint64_t total = std::uint64_t{rate} * 7200 + 17;  // two hours and a few frames
        EditorCuts cuts(total);
        cuts.setPieceName(0, "intro");
        for (std::uint64_t frame : {std::uint64_t{1}, std::uint64_t{2}, total - 1, total - 2}) {
            static_cast<void>(cuts.insert({frame, "edge"}));
        }
        while (cuts.size() < 2000) {
            static_cast<void>(cuts.insert({random() % total, cuts.size() % 3 == 0 ? "" : "piece"}));
        }
        const MarksRead read = spansFromLabels(cutListText(cuts, rate), "cuts.txt", rate, total);
        ASSERT_FALSE(read.refusal) << rate << ": " << read.refusal->problem;
        EXPECT_EQ(editorCutsOfSpans(read.spans, total), cuts) << rate;
    }
}

}  // namespace
