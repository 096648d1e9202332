// The Edit menu and the editor's panel driven as the window drives them: the issue's walk through
// a minute cut to 10 s, the list it saves, and the Children SPLIT TO CHILDREN then writes, the
// same as the command line's cut at that list; opening and closing changes nothing.
#include "editor/EditorCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editor/EditorSession.h"
#include "split/CutPlanning.h"
#include "split/SplitFixture.h"
#include "support/WavLayouts.h"

namespace {

class EditorCommands : public SplitFixture {
protected:
    void SetUp() override
    {
        editorSession() = EditorSession{};
        loadMotherOf(10584000);  // a minute of 16-bit stereo at 44.1 kHz, margin included
        nameChildren("song");
        cutIntoPiecesOf(1764000);
    }
    void TearDown() override { editorSession() = EditorSession{}; }

    void key(PanelKey which, bool ctrl = false, bool shift = false) { fake.panel->onKey({which, shift, ctrl}); }
    void mouse(MouseAction action, int x) { fake.panel->onMouse({action, x, 200, 0, false, false}); }

    std::vector<std::uint64_t> cuts() const
    {
        std::vector<std::uint64_t> frames;
        for (const EditorCut& cut : editorSession().editor->cuts().cuts()) {
            frames.push_back(cut.frame);
        }
        return frames;
    }
};

TEST_F(EditorCommands, WithoutAMotherEachCommandIsRefused)
{
    state.motherChosen = 0;
    for (int command :
         {IDM_EDIT_CUTS, IDM_EDIT_LOAD_LIST, IDM_EDIT_SAVE_LIST, IDM_EDIT_UNDO, IDM_EDIT_REDO, IDM_EDIT_ZOOM_WHOLE}) {
        fake.boxes.clear();
        ASSERT_TRUE(dispatchCommand(ctx, command));
        ASSERT_EQ(fake.boxes.size(), 1u) << command;
        EXPECT_EQ(fake.boxes[0].caption, " no MOTHER wave selected !");
        EXPECT_EQ(fake.panel, nullptr);
    }
}

TEST_F(EditorCommands, OpeningShowsTheSplitsCutsAndClosingChangesNothing)
{
    const AppState before = state;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_CUTS));
    ASSERT_NE(fake.panel, nullptr) << (fake.boxes.empty() ? "" : fake.boxes[0].caption + fake.boxes[0].text);
    EXPECT_EQ(cuts(), (std::vector<std::uint64_t>{441000, 882000, 1323000, 1764000, 2205000}));
    mouse(MouseAction::Press, 600);  // a click moves the cursor and nothing else
    mouse(MouseAction::Release, 600);
    key(PanelKey::Escape);
    EXPECT_EQ(fake.panel, nullptr);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(state, before);
}

TEST_F(EditorCommands, TheIssuesWalkThroughSavesItsListAndSplitsAsTheCommandLineCutsAtIt)
{
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_CUTS));
    mouse(MouseAction::DoubleClick, 420);  // 2625 frames a pixel over 1008: frame 1102500
    for (int i = 0; i < 3; ++i) {
        key(PanelKey::Right, true);
    }
    key(PanelKey::Tab);
    key(PanelKey::Delete);
    fake.textAnswers.emplace_back("bad:name?");
    fake.textAnswers.emplace_back("chorus");
    key(PanelKey::F2);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, " CHILD name holds characters a file name cannot hold ");
    EXPECT_EQ(fake.boxes[0].text, "bad:name?\ncharacters refused = :?");
    key(PanelKey::F2);
    EXPECT_EQ(fake.textPrompts, (std::vector<std::string>{"CHILD name|", "CHILD name|"}));
    key(PanelKey::Z, true);
    EXPECT_EQ(editorSession().editor->cuts().pieceName(2), "");
    key(PanelKey::Y, true);
    EXPECT_EQ(cuts(), (std::vector<std::uint64_t>{441000, 882000, 1102503, 1764000, 2205000}));

    const std::string list = folder.path("cuts.txt");
    fake.pick(list);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_SAVE_LIST));
    EXPECT_EQ(fake.fileDialogs.back().title, "CUT-list-save:");
    const std::vector<std::uint8_t> saved = readWhole(list);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), "0.000000\t10.000000\t\r\n"
                                                       "10.000000\t20.000000\t\r\n"
                                                       "20.000000\t25.000068\tchorus\r\n"
                                                       "25.000068\t40.000000\t\r\n"
                                                       "40.000000\t50.000000\t\r\n"
                                                       "50.000000\t60.000000\t\r\n");
    key(PanelKey::Escape);

    // The command line's cut at that list, and the window's split of the editor's cuts.
    CutRequest atLabels;
    atLabels.rule = CutRule::Labels;
    atLabels.marksPath = list;
    atLabels.stem = state.childStem;
    const PlannedCut expected = planCut(atLabels, {motherPath, std::nullopt});
    ASSERT_TRUE(expected.plan);
    const PlannedCut planned = planOfRecord(state, state, state);
    ASSERT_TRUE(planned.plan);
    EXPECT_EQ(planned.plan->children, expected.plan->children);
    startNewSplit();
    const std::vector<std::string> names = {"song1.WAV", "song2.WAV", "song3-chorus.WAV",
                                            "song4.WAV", "song5.WAV", "song6.WAV"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const PlannedChild& child = expected.plan->children[i];
        EXPECT_EQ(childName(*expected.plan, child), folder.path(names[i]));
        const std::vector<std::uint8_t> written = readWhole(folder.path(names[i]));
        ASSERT_EQ(written.size(), 44 + child.sampleBytes) << names[i];
        EXPECT_TRUE(std::equal(written.begin() + 44, written.end(),
                               mother.begin() + static_cast<std::ptrdiff_t>(child.firstByte)))
            << names[i];
    }
}

TEST_F(EditorCommands, ALoadedListIsOneStepAndAStoppedReadingOpensNothing)
{
    const std::string list = folder.write("in.txt", ascii("5\t5\tone\r\n7.5\t7.5\t\r\n"));
    fake.pick(list);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_LOAD_LIST));
    EXPECT_EQ(fake.fileDialogs.back().title, "CUT-list-select:");
    EXPECT_EQ(cuts(), (std::vector<std::uint64_t>{220500, 330750}));
    EXPECT_EQ(state.marksRule, CutRule::Frames);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_UNDO));
    EXPECT_EQ(cuts().size(), 5u);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_SNAP));
    EXPECT_EQ(fake.checkedItems.back(), std::make_pair(int{IDM_EDIT_SNAP}, true));
    key(PanelKey::Escape);

    // A Mother long enough for the bar, whose reading is cancelled half way.
    editorSession() = EditorSession{};
    loadMotherOf(80u * 1024 * 1024, 0, "long.wav");
    fake.cancelProgressAt = 500;
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_CUTS));
    EXPECT_EQ(fake.progressCaptions, (std::vector<std::string>{" reading the MOTHER for the EDITOR "}));
    EXPECT_GE(fake.progressTicks.back(), 500u);
    EXPECT_EQ(fake.panel, nullptr);
}

}  // namespace

namespace {

TEST_F(EditorCommands, ALengthChosenWhileItIsOpenIsShownAsOneStep)
{
    ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_CUTS));
    fake.answer(20);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_CUT_SECONDS));
    ASSERT_NE(fake.panel, nullptr);
    EXPECT_EQ(cuts(), (std::vector<std::uint64_t>{882000, 1764000}));
    EXPECT_EQ(state.cutMode, CutMode::Time);
    key(PanelKey::Z, true);
    EXPECT_EQ(cuts().size(), 5u);
    EXPECT_EQ(state.marksRule, CutRule::Frames);  // the editor's cuts again, taken back
}

}  // namespace
