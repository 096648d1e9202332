// The Marks menu in the window: what each command says and keeps, and what Preview CUTs, WAVESHOW
// and ALLSPLIT make of it. That the Children are the command line's is checked beside the
// command line's own tests.
#include "splitwindow/MarksCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "splitwindow/SplitFixture.h"
#include "support/MarkedMother.h"

namespace {

PenRef const GREEN = reinterpret_cast<PenRef>(0x51);
PenRef const THICK_RED = reinterpret_cast<PenRef>(0x52);

class MarksCommands : public SplitFixture {
protected:
    void SetUp() override
    {
        loadMotherFile(markedMother(), "take.wav");
        labels = folder.write("take.txt", ascii(MARKED_LABELS));
        sheet = folder.write("take.cue", ascii(MARKED_CUE_SHEET));
        state.greenPen = GREEN;
        state.thickRedPen = THICK_RED;
    }

    // The drawings from the first that selects this pen on.
    std::vector<RecordedDrawing> drawnWith(PenRef pen) const
    {
        auto at = fake.drawings.begin();
        while (at != fake.drawings.end() && !(at->op == "pen" && at->pen == pen)) {
            ++at;
        }
        return {at, fake.drawings.end()};
    }

    std::string labels;
    std::string sheet;
};

std::string drawn(const std::vector<RecordedDrawing>& drawings)
{
    std::string all;
    for (const RecordedDrawing& d : drawings) {
        all += d.op == "pen" ? "pen" : d.op + " " + std::to_string(d.x) + "," + std::to_string(d.y) + d.text;
        all += "; ";
    }
    return all;
}

}  // namespace

TEST_F(MarksCommands, EachSaysHowManyChildrenItGivesOrWhyNotAndARefusalKeepsTheCut)
{
    const std::string bad = folder.write("bad.txt", ascii("2\t2\tintro\n3\tx\tb\n"));
    struct Case {
        const char* what;
        std::function<void(FakePlatform&)> script;
        int command;
        CutRule rule;  // None: refused, the cut stays
        std::string caption;
        std::string text;
    };
    const char* const COUNT = "  CHILDREN at the marks  : ";
    const std::vector<Case> cases = {
        {"markers", [](FakePlatform&) {}, IDM_MARKS_MARKERS, CutRule::Markers, COUNT, "Wert = 3 "},
        {"labels", [&](FakePlatform& f) { f.pick(labels); }, IDM_MARKS_LABELS, CutRule::Labels, COUNT, "Wert = 3 "},
        {"CUE sheet", [&](FakePlatform& f) { f.pick(sheet); }, IDM_MARKS_CUE, CutRule::Cue, COUNT, "Wert = 3 "},
        {"silences of 400 ms",
         [](FakePlatform& f) {
             f.answer(50);
             f.answer(400);
         },
         IDM_MARKS_SILENCE, CutRule::Silence, COUNT, "Wert = 3 "},
        {"silences of 401 ms",
         [](FakePlatform& f) {
             f.answer(50);
             f.answer(401);
         },
         IDM_MARKS_SILENCE, CutRule::Silence, COUNT, "Wert = 2 "},
        {"a label list with a bad line", [&](FakePlatform& f) { f.pick(bad); }, IDM_MARKS_LABELS, CutRule::None,
         "cannot cut where this file says", bad + ", line 2: END \"x\" is not a number of seconds"},
        {"a CUE sheet that is not there", [&](FakePlatform& f) { f.pick(folder.path("none.cue")); }, IDM_MARKS_CUE,
         CutRule::None, "the file of marks cannot be read", folder.path("none.cue") + "\nNo such file or directory"},
        {"a pick cancelled", [](FakePlatform& f) { f.cancelPick(); }, IDM_MARKS_LABELS, CutRule::None, "", ""},
        {"no level", [](FakePlatform& f) { f.answer(0); }, IDM_MARKS_SILENCE, CutRule::None, "", ""},
        {"no length",
         [](FakePlatform& f) {
             f.answer(40);
             f.cancelPrompt();
         },
         IDM_MARKS_SILENCE, CutRule::None, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cutIntoPiecesOf(1000);
        const CutRecord before = state;
        fake.boxes.clear();
        c.script(fake);
        ASSERT_TRUE(dispatchCommand(ctx, c.command));
        if (c.caption.empty()) {
            EXPECT_TRUE(fake.boxes.empty());
        } else {
            ASSERT_EQ(fake.boxes.size(), 1u);
            EXPECT_EQ(fake.boxes[0].owner, FakePlatform::MAIN_WINDOW);
            EXPECT_EQ(fake.boxes[0].caption, c.caption);
            EXPECT_EQ(fake.boxes[0].text, c.text);
        }
        if (c.rule == CutRule::None) {
            EXPECT_TRUE(static_cast<const CutRecord&>(state) == before);
        } else {
            EXPECT_EQ(state.cutMode, CutMode::Marks);
            EXPECT_EQ(state.marksRule, c.rule);
        }
    }
    ASSERT_GE(fake.fileDialogs.size(), 3u);  // LOAD's first
    EXPECT_EQ(fake.fileDialogs[1].title, "LABELS-list-select:");
    EXPECT_EQ(fake.fileDialogs[2].title, "CUE-sheet-select:");
    EXPECT_EQ(fake.promptQuestions.front(), "silence below -dB *");
    EXPECT_EQ(fake.promptQuestions[1], "silence at least ms *");
}

TEST_F(MarksCommands, PreviewAndWaveshowDrawTheMarksAllsplitWritesThemAndALengthReplacesThem)
{
    ASSERT_TRUE(dispatchCommand(ctx, IDM_MARKS_MARKERS));
    fake.boxes.clear();
    // 10 000 frames over 1 008 columns: 9 frames a column, the marks at 2 000 and 6 000.
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PREVIEW_CUTS));
    EXPECT_EQ(drawn(fake.drawings), "pen; move 222,0; line 222,541; move 666,0; line 666,541; ");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Wert = 3 ");

    fake.drawings.clear();
    ASSERT_TRUE(dispatchCommand(ctx, IDM_WAVESHOW));
    EXPECT_EQ(drawn(drawnWith(THICK_RED)),
              "pen; move 222,0; line 222,16; text 230,0intro_ one; move 666,0; line 666,16; text 674,0b; ");

    // ALLSPLIT keeps its refusals, then writes the Children of the marks; the window's header stays.
    nameChildren("kid");
    state.likeChosen = 1;
    const HeaderBytes header = state.headerBuf;
    fake.dialogAnswers.push_back(DialogAnswer::Start);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
    EXPECT_TRUE(exists(folder.path("kid1.WAV")));
    EXPECT_TRUE(exists(folder.path("kid2-intro_ one.WAV")));
    EXPECT_TRUE(exists(folder.path("kid3-b.WAV")));
    EXPECT_FALSE(exists(folder.path("kid4.WAV")));
    EXPECT_EQ(fake.boxes.back().caption, " Verarbeitungsdauer = ");
    EXPECT_EQ(state.childNumber, 4);
    EXPECT_EQ(state.headerBuf, header);

    // The marks' file gone: the split says why and writes nothing.
    fake.pick(labels);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_MARKS_LABELS));
    std::filesystem::remove(labels);
    startNewSplit();
    EXPECT_EQ(fake.boxes.back().caption, "the file of marks cannot be read");
    EXPECT_FALSE(exists(folder.path("kid4.WAV")));

    fake.answer(1);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_CUT_SECONDS));
    EXPECT_EQ(state.cutMode, CutMode::Time);
    fake.drawings.clear();
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PREVIEW_CUTS));
    EXPECT_TRUE(fake.drawings.empty());
}

TEST_F(MarksCommands, CutsAtClockTimesFromTheBextStartAndNamesTheChildrenByIt)
{
    // Refusals first: the marked Mother's bext has no date; 7 minutes do not divide a day.
    struct Case {
        const char* what;
        std::uint32_t minutes;
        std::string caption;
        std::string text;
    };
    const Case refused[] = {
        {"no start", 1, " no start time in the MOTHER ", motherPath},
        {"7 minutes", 7, " minutes that do not divide a day  : ", "Wert = 7 "},
        {"cancelled", 0, "", ""},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        cutIntoPiecesOf(1000);
        const CutRecord before = state;
        fake.boxes.clear();
        fake.answer(c.minutes);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_MARKS_CLOCK));
        EXPECT_EQ(fake.promptQuestions.back(), "CLOCK every minutes *");
        ASSERT_EQ(fake.boxes.size(), c.caption.empty() ? 0u : 1u);
        if (!c.caption.empty()) {
            EXPECT_EQ(fake.boxes[0].caption, c.caption);
            EXPECT_EQ(fake.boxes[0].text, c.text);
        }
        EXPECT_TRUE(static_cast<const CutRecord&>(state) == before);
    }

    // 10 s at 1 000 Hz from 13:59:55 by its bext: every zone's offset is whole minutes, so the
    // minute's boundary falls at frame 5 000 in any, and the names say the wall clock there.
    loadMotherFile(clockedMother(), "clock.wav");
    fake.boxes.clear();
    fake.answer(1);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_MARKS_CLOCK));
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, "  CHILDREN at the marks  : ");
    EXPECT_EQ(fake.boxes[0].text, "Wert = 2 ");
    EXPECT_EQ(state.clockMinutes, 1u);
    fake.boxes.clear();
    fake.drawings.clear();
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PREVIEW_CUTS));  // 9 frames a column: the cut at 5 000
    EXPECT_EQ(drawn(fake.drawings), "pen; move 555,0; line 555,541; ");
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Wert = 2 ");

    nameChildren("kid");
    state.likeChosen = 1;
    fake.dialogAnswers.push_back(DialogAnswer::Start);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
    EXPECT_EQ(fake.boxes.back().caption, " Verarbeitungsdauer = ");
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(folder.path("x")).parent_path())) {
        if (entry.path().filename().string().rfind("kid", 0) == 0) {
            names.push_back(entry.path().filename().string());
            EXPECT_EQ(std::filesystem::file_size(entry.path()), 36u + 8 + 602 + 8 + 5000 * 2) << names.back();
        }
    }
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2u);
    // kid<N>-YYYY-MM-DD_HH-MM-SS.WAV, checked by hand: <regex> brings false uninitialised-use
    // warnings under the sanitizers.
    const auto namedByClock = [](const std::string& name, char number) {
        const std::string shape = "kid#-20##-##-##_##-##-##.WAV";
        if (name.size() != shape.size()) {
            return false;
        }
        for (std::size_t i = 0; i < shape.size(); ++i) {
            const bool digit = name[i] >= '0' && name[i] <= '9';
            if (i == 3 ? name[i] != number : shape[i] == '#' ? !digit : name[i] != shape[i]) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(namedByClock(names[0], '1')) << names[0];
    EXPECT_TRUE(namedByClock(names[1], '2')) << names[1];
    EXPECT_EQ(names[0].substr(names[0].size() - 6), "55.WAV");  // 13:59:55 in any zone of whole minutes
    EXPECT_EQ(names[1].substr(names[1].size() - 6), "00.WAV");
}
