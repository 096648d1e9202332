#include "marks/CueSheet.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/BytesReader.h"

namespace {

const std::string SHEET = "REM made by hand\r\n"
                          "TITLE \"The album\"\r\n"
                          "FILE \"take.wav\" WAVE\r\n"
                          "  TRACK 01 AUDIO\r\n"
                          "    TITLE \"Intro\"\r\n"
                          "    INDEX 01 00:00:00\r\n"
                          "  TRACK 02 AUDIO\r\n"
                          "    TITLE \"Song: One?\"\r\n"
                          "    INDEX 00 00:09:00\r\n"
                          "    INDEX 01 00:10:01\r\n"
                          "  track 03 audio\r\n"
                          "    title Three\r\n"
                          "    index 01 01:00:74\r\n"
                          "  TRACK 04 MODE1/2352\r\n"
                          "    INDEX 01 00:20:00\r\n";

}  // namespace

TEST(CueSheet, CutsAtEveryAudioTracksFirstIndexAndRefusesWhatItCannotRead)
{
    struct Case {
        const char* what;
        std::string text;
        std::uint32_t rate;
        ChildSpans expected;
        std::string refusal;
        std::uint64_t frames = 3000000;
    };
    const std::vector<Case> cases = {
        // 588 frames a sheet frame: 10 s + 1 is 441 588, 60 s + 74 is 2 689 512.
        {"44.1 kHz",
         SHEET,
         44100,
         {{0, 441588, "Intro"}, {441588, 2247924, "Song: One?"}, {2689512, 310488, "Three"}},
         ""},
        // 640 frames a sheet frame: 480 640 and 2 927 360.
        {"48 kHz",
         SHEET,
         48000,
         {{0, 480640, "Intro"}, {480640, 2446720, "Song: One?"}, {2927360, 72640, "Three"}},
         ""},
        // 106.67 and 213.33 frames.
        {"8 kHz rounds to the nearest frame",
         "TRACK 1 AUDIO\nINDEX 01 00:00:01\nTRACK 2 AUDIO\nINDEX 01 00:00:02\n",
         8000,
         {{0, 107, ""}, {107, 106, ""}, {213, 2999787, ""}},
         ""},
        {"seconds of 60",
         "TRACK 01 AUDIO\nINDEX 01 00:60:00\n",
         44100,
         {},
         "take.cue, line 2: \"00:60:00\" is not a time mm:ss:ff"},
        {"75 sheet frames",
         "TRACK 01 AUDIO\nINDEX 01 00:01:75\n",
         44100,
         {},
         "take.cue, line 2: \"00:01:75\" is not a time mm:ss:ff"},
        {"not a number",
         "TRACK 01 AUDIO\nINDEX 01 1:x:00\n",
         44100,
         {},
         "take.cue, line 2: \"1:x:00\" is not a time mm:ss:ff"},
        {"past the Mother's end",
         "TRACK 01 AUDIO\nINDEX 01 01:08:03\n",
         44100,
         {},
         "take.cue, line 2: \"01:08:03\" is past the Mother's end"},
        // 10 s is the 441 001-frame Mother's last frame: a Child of one frame, not past its end.
        {"at the Mother's last frame",
         "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE Last\nINDEX 01 00:10:00\n",
         44100,
         {{0, 441000, ""}, {441000, 1, "Last"}},
         "",
         441001},
        // 10 s is the 441 000-frame Mother's end: no Child begins there; a frame short of it, past it.
        {"at the Mother's end",
         "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE Last\nINDEX 01 00:10:00\n",
         44100,
         {{0, 441000, ""}},
         "",
         441000},
        {"a frame past the Mother's end",
         "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE Last\nINDEX 01 00:10:00\n",
         44100,
         {},
         "take.cue, line 5: \"00:10:00\" is past the Mother's end",
         440999},
        {"a track without INDEX 01",
         "TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 00 00:01:00\n",
         44100,
         {},
         "take.cue, line 3: TRACK 02 has no INDEX 01"},
        {"a second FILE",
         "FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE b.wav WAVE\n",
         44100,
         {},
         "take.cue, line 4: a second FILE: one sheet cuts one recording"},
        {"no audio track",
         "TITLE x\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\n",
         44100,
         {},
         "take.cue: no TRACK nn AUDIO in the sheet"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MarksRead read = spansFromCueSheet(c.text, "take.cue", c.rate, c.frames);
        EXPECT_EQ(read.spans, c.expected);
        EXPECT_EQ(read.refusal ? refusalText(*read.refusal) : std::string(), c.refusal);
    }
}
