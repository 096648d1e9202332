// The editor's cuts as the split takes them: the names each piece's Child gets, the frames of the
// request, and the cuts a plan of another rule gives the editor when it opens.
#include "editor/EditorPlan.h"

#include <gtest/gtest.h>

namespace {

MotherSource minuteMother()
{
    MotherSource mother;
    mother.path = "take.wav";
    mother.dataAt = 44;
    mother.sampleBytes = 60ull * 176400;
    mother.format = WavFormat{1, 2, 44100, 176400, 4, 16, 0};
    return mother;
}

EditorCuts namedCuts()
{
    EditorCuts cuts(60ull * 44100);
    for (std::uint64_t s : {10, 20, 30}) {
        static_cast<void>(cuts.insert({s * 44100, {}}));
    }
    cuts.setPieceName(2, "song");
    cuts.setPieceName(3, "a/b");
    return cuts;
}

TEST(EditorPlan, EachPieceIsNamedAsTheSplitNamesItsChild)
{
    struct Row {
        SpanChoice choice;
        std::int32_t digits;
        std::vector<std::string> names;
    };
    const std::vector<Row> rows = {
        {{"C:\\w\\live", 1, 0, 0}, 0, {"live1.WAV", "live2.WAV", "live3-song.WAV", "live4-a_b.WAV"}},
        {{"/m/set", 9, 0, 0}, DIGITS_OF_LAST_NUMBER, {"set09.WAV", "set10.WAV", "set11-song.WAV", "set12-a_b.WAV"}},
        {{"live", 1, 3, 0}, 0, {"", "", "live3-song.WAV", "live4-a_b.WAV"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(childNamesOf(namedCuts(), minuteMother(), row.choice, row.digits), row.names) << row.choice.childStem;
    }
}

TEST(EditorPlan, TheRequestsFramesNameTheFirstPieceByACutAtZero)
{
    EditorCuts cuts = namedCuts();
    EXPECT_EQ(frameCutsOf(cuts).size(), 3u);
    cuts.setPieceName(0, "intro");
    const std::vector<FrameCut> frames = frameCutsOf(cuts);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0], (FrameCut{0, "intro"}));
    EXPECT_EQ(frames[3], (FrameCut{1323000, "a/b"}));
}

TEST(EditorPlan, AWindowPlanGivesTheStartsOfItsChildren)
{
    SplitPlan plan;
    for (std::uint64_t s : {0, 10, 20, 30, 40, 50}) {
        plan.children.push_back({static_cast<std::int32_t>(s / 10 + 1), 1764000, 44 + s * 176400, s == 20 ? "x" : ""});
    }
    const EditorCuts cuts = editorCutsOf(plan, minuteMother());
    ASSERT_EQ(cuts.size(), 5u);
    EXPECT_EQ(cuts.cuts()[0].frame, 441000u);
    EXPECT_EQ(cuts.cuts()[4].frame, 2205000u);
    EXPECT_EQ(cuts.pieceName(2), "x");
}

}  // namespace
