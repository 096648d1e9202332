// Listening in the editor, driven as the window drives it: keys and Edit menu items on a minute of
// 16-bit stereo 44.1 kHz cut to 10 s, the frames the device is given compared with the Mother's
// bytes, the play line on the fake device's clock, and the editor going on without a device.
#include "editor/EditorListening.h"

#include <gtest/gtest.h>

#include "editor/EditorSession.h"
#include "splitwindow/SplitFixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class EditorListening : public SplitFixture {
protected:
    void SetUp() override
    {
        editorSession() = EditorSession{};
        loadMotherOf(10584000);  // a minute, margin included
        nameChildren("song");
        cutIntoPiecesOf(1764000);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_EDIT_CUTS));
        ASSERT_NE(fake.panel, nullptr);
    }
    void TearDown() override { editorSession() = EditorSession{}; }

    void key(PanelKey which, bool ctrl = false) { fake.panel->onKey({which, false, ctrl}); }
    void click(int x)
    {
        fake.panel->onMouse({MouseAction::Press, x, 200, 0, false, false});
        fake.panel->onMouse({MouseAction::Release, x, 200, 0, false, false});
    }
    Bytes framesOfMother(std::uint64_t first, std::uint64_t end) const
    {
        return Bytes(mother.begin() + static_cast<std::ptrdiff_t>(44 + first * 4),
                     mother.begin() + static_cast<std::ptrdiff_t>(44 + end * 4));
    }
    const EditorSession& session() const { return editorSession(); }
};

TEST_F(EditorListening, EachKeyPlaysExactlyItsFramesAndTheCutsAndChildrenStayAsTheyWere)
{
    const AppState before = state;
    key(PanelKey::Tab);  // the first cut, at 10 s: frame 441 000
    ASSERT_EQ(session().editor->selected(), std::optional<std::size_t>(0));

    key(PanelKey::Comma);
    EXPECT_EQ(fake.soundOpens.back(), (SoundFormat{false, 2, 44100, 4, 16, 16, 0}));
    EXPECT_EQ(fake.soundPlayed, framesOfMother(441000 - 88200, 441000));
    EXPECT_EQ(fake.panelTickEvery, 20u);
    EXPECT_EQ(session().playFrame, std::optional<std::uint64_t>(441000 - 88200));

    key(PanelKey::Period);
    EXPECT_EQ(fake.soundPlayed, framesOfMother(441000, 441000 + 88200));

    click(300);  // 2625 frames a pixel over 1008: the cursor at 787 500, in the second piece
    key(PanelKey::Space, true);
    EXPECT_EQ(fake.soundPlayed, framesOfMother(441000, 882000));

    EXPECT_EQ(fake.soundSources, 3);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(session().editor->cuts().size(), 5u);
    EXPECT_EQ(state, before);
}

TEST_F(EditorListening, SpaceAgainAClickOrAnEditorKeyStopsAndTheLineGoes)
{
    key(PanelKey::Space);
    ASSERT_TRUE(session().playFrame);
    EXPECT_EQ(fake.soundPlayed.size(), 2646000u * 4);
    key(PanelKey::Space);
    EXPECT_EQ(fake.soundStops, 1);
    EXPECT_FALSE(session().playFrame);
    EXPECT_EQ(fake.panelTickEvery, 0u);

    key(PanelKey::Space);
    click(500);
    EXPECT_EQ(fake.soundStops, 2);
    EXPECT_FALSE(session().playFrame);

    key(PanelKey::Space);
    key(PanelKey::Other);  // Shift or Ctrl alone: still playing
    EXPECT_TRUE(session().playFrame);
    key(PanelKey::Home);
    EXPECT_EQ(fake.soundStops, 3);
    EXPECT_FALSE(session().playFrame);
}

TEST_F(EditorListening, TheLineFollowsTheDeviceAndTheViewFollowsTheLine)
{
    for (int i = 0; i < 6; ++i) {
        key(PanelKey::Plus);  // 64 times closer about the cursor at 0
    }
    const WaveView view = session().editor->view();
    ASSERT_EQ(view.first, 0u);
    key(PanelKey::Space);
    fake.soundClock = 1000;
    fake.panel->onTick();
    EXPECT_EQ(session().playFrame, std::optional<std::uint64_t>(1000));
    EXPECT_EQ(session().editor->view().first, 0u);

    fake.soundClock = view.span + 5;  // past the right edge: the view turns a page
    fake.panel->onTick();
    EXPECT_EQ(session().playFrame, std::optional<std::uint64_t>(view.span + 5));
    EXPECT_EQ(session().editor->view().first, view.span + 5);
    EXPECT_EQ(session().editor->view().span, view.span);

    fake.soundClock = 2646000;  // the end: the line goes, the ticks stop
    fake.panel->onTick();
    EXPECT_FALSE(session().playFrame);
    EXPECT_EQ(fake.panelTickEvery, 0u);
    EXPECT_EQ(session().editor->cursor(), 0u);
}

TEST_F(EditorListening, WithoutADeviceOneBoxAndTheEditorStillEditsAndSplits)
{
    fake.soundRefusals = {std::string("A device ID has been used that is out of range for your system.")};
    key(PanelKey::Tab);
    key(PanelKey::Comma);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].owner, FakePlatform::MAIN_WINDOW);
    EXPECT_EQ(fake.boxes[0].caption, " nothing can be PLAYED ");
    EXPECT_EQ(fake.boxes[0].text, "A device ID has been used that is out of range for your system.");
    EXPECT_FALSE(session().playFrame);
    EXPECT_EQ(fake.panelTickEvery, 0u);

    click(840);  // the cursor at 2 205 000, on the last cut
    key(PanelKey::Delete);
    key(PanelKey::Insert);
    EXPECT_EQ(session().editor->cuts().size(), 5u);
    key(PanelKey::Right, true);
    EXPECT_EQ(session().editor->cuts().cuts().back().frame, 2205001u);
    EXPECT_EQ(fake.boxes.size(), 1u);

    key(PanelKey::Escape);
    startNewSplit();
    const Bytes last = readWhole(folder.path("song6.WAV"));
    ASSERT_EQ(last.size(), 44 + (2646000u - 2205001u) * 4);
    EXPECT_TRUE(std::equal(last.begin() + 44, last.end(), mother.begin() + 44 + 2205001 * 4));
}

TEST_F(EditorListening, TheMenuItemsDoWhatTheKeysDo)
{
    key(PanelKey::Tab);
    key(PanelKey::Tab);  // the cut at 20 s: frame 882 000
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_UP_TO_CUT));
    EXPECT_EQ(fake.soundPlayed, framesOfMother(882000 - 88200, 882000));
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_FROM_CUT));
    EXPECT_EQ(fake.soundPlayed, framesOfMother(882000, 882000 + 88200));
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_CHILD));
    EXPECT_EQ(fake.soundPlayed, framesOfMother(0, 441000));
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_STOP));
    EXPECT_FALSE(session().playFrame);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_FROM_CURSOR));
    EXPECT_EQ(fake.soundPlayed, framesOfMother(0, 2646000));
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_FROM_CURSOR));  // as Space: a second one stops
    EXPECT_FALSE(session().playFrame);
    EXPECT_EQ(fake.soundSources, 4);
    EXPECT_EQ(fake.soundStops, 4);

    // Closing the editor stops what plays.
    ASSERT_TRUE(dispatchCommand(ctx, IDM_PLAY_FROM_CURSOR));
    key(PanelKey::Escape);
    EXPECT_EQ(fake.panel, nullptr);
    EXPECT_EQ(fake.soundStops, 5);
    EXPECT_TRUE(fake.boxes.empty());
}

}  // namespace
