// What the editor writes on its picture: times as h:mm:ss.mmm, its line of text, the ruler's
// step at each zoom, and the characters a Child's name is refused for.
#include "editor/EditorPicture.h"

#include <gtest/gtest.h>

#include "editor/EditorPanel.h"

namespace {

TEST(EditorPicture, TimesAreHoursMinutesSecondsAndMilliseconds)
{
    struct Row {
        std::uint64_t frame;
        std::uint32_t rate;
        const char* text;
    };
    for (const Row& row :
         {Row{0, 44100, "0:00:00.000"}, Row{44099, 44100, "0:00:00.999"}, Row{1102503, 44100, "0:00:25.000"},
          Row{7200ull * 96000 - 1, 96000, "1:59:59.999"}, Row{36000ull * 48000, 48000, "10:00:00.000"}}) {
        EXPECT_EQ(clockText(row.frame, row.rate), row.text) << row.frame;
    }
}

TEST(EditorPicture, TheLineOfTextGivesTheCursorTheSelectedCutAndTheChildren)
{
    EditorCuts cuts(2646000);
    static_cast<void>(cuts.insert({441000, {}}));
    CutEditor editor(cuts, 1008);
    editor.click(100);
    EXPECT_EQ(editorTextLine(editor, 44100, 2), "cursor 0:00:05.952  262500   CHILDREN 2");
    editor.click(168);
    EXPECT_EQ(editorTextLine(editor, 44100, 2), "cursor 0:00:10.000  441000   cut 0:00:10.000  441000   CHILDREN 2");
}

TEST(EditorPicture, TheRulersMarksStandAtLeast100PixelsApart)
{
    struct Row {
        std::uint64_t span;
        std::uint64_t stepMs;
    };
    for (const Row& row : {Row{7200ull * 44100, 1800000}, Row{60ull * 44100, 10000}, Row{44100, 100}, Row{126, 1}}) {
        EXPECT_EQ(rulerStepMilliseconds(WaveView{row.span * 10, 0, row.span, 1008}, 44100), row.stepMs) << row.span;
    }
}

TEST(EditorPicture, ANameIsRefusedForTheCharactersAFileNameCannotHold)
{
    EXPECT_EQ(refusedNameCharacters("Chorus 2 (live)"), "");
    EXPECT_EQ(refusedNameCharacters("a/b\\\\c:d*?\"<>|"), "/\\:*?\"<>|");
    EXPECT_EQ(refusedNameCharacters("tab\there"), "\t");
    EXPECT_EQ(refusedNameCharacters("Ünïcode ☂"), "");
}

}  // namespace
