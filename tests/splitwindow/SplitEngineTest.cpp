#include "splitwindow/SplitEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "splitwindow/SplitDialogs.h"
#include "splitwindow/SplitFixture.h"
#include "support/WavLayouts.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;  // data size of a canonical 60 s Mother
constexpr std::uint32_t TEN_SECONDS = 1764000;
constexpr std::uint64_t SAMPLES_AT = 44;

using SplitEngine = SplitFixture;

// " <seconds>.<hundredths> ", by hand: <regex> brings false uninitialised-use warnings under the sanitizers.
bool isSecondsText(const std::string& text)
{
    const std::size_t point = text.find('.');
    const auto digits = [](const std::string& part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string::npos;
    };
    return point != std::string::npos && point + 4 == text.size() && text.front() == ' ' && text.back() == ' ' &&
           digits(text.substr(1, point - 1)) && digits(text.substr(point + 1, 2));
}

}  // namespace

TEST_F(SplitEngine, OneMinuteInTenSecondPiecesGivesFiveFullChildrenAndAShortSixth)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("kid");
    cutIntoPiecesOf(TEN_SECONDS);
    startNewSplit();

    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("child " + std::to_string(n));
        ASSERT_TRUE(childHolds(child("kid", n), TEN_SECONDS, SAMPLES_AT + (n - 1) * std::uint64_t{TEN_SECONDS}));
    }
    // 10 583 932 - 5 x 1 764 000 - 64: the last Child stops short of the cuttable length.
    ASSERT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_FALSE(exists(child("kid", 7)));

    EXPECT_EQ(state.childNumber, 7);
    EXPECT_EQ(state.childBaseName, child("kid", 6));
    EXPECT_EQ(state.motherStream, nullptr);
    EXPECT_EQ(state.pieceBytes, TEN_SECONDS);
    EXPECT_EQ(state.cutMode, CutMode::Time);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].owner, FakePlatform::DIALOG);
    EXPECT_EQ(fake.boxes[0].caption, " time for job = ");
    EXPECT_TRUE(isSecondsText(fake.boxes[0].text)) << fake.boxes[0].text;
}

TEST_F(SplitEngine, HowManyModeWritesNoRemainderButUsesItsNumber)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("part");
    cutIntoPiecesOf(1763988, CutMode::Count);  // "How many into cut?" answered 6
    startNewSplit();

    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE("child " + std::to_string(n));
        ASSERT_TRUE(childHolds(child("part", n), 1763988, SAMPLES_AT + (n - 1) * std::uint64_t{1763988}));
    }
    EXPECT_FALSE(exists(child("part", 7)));
    EXPECT_EQ(state.childNumber, 8);
    EXPECT_EQ(state.childBaseName, child("part", 7));
}

TEST_F(SplitEngine, StartPatternSkipsTheFirstPiecesAndNumbersFromIt)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("kid");
    cutIntoPiecesOf(TEN_SECONDS);
    state.startPattern = 3;
    startNewSplit();

    EXPECT_FALSE(exists(child("kid", 1)));
    EXPECT_FALSE(exists(child("kid", 2)));
    for (int n = 3; n <= 5; ++n) {
        SCOPED_TRACE("child " + std::to_string(n));
        ASSERT_TRUE(childHolds(child("kid", n), TEN_SECONDS, SAMPLES_AT + (n - 1) * std::uint64_t{TEN_SECONDS}));
    }
    ASSERT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(state.startPattern, 3);
    EXPECT_EQ(state.childNumber, 7);
}

TEST_F(SplitEngine, SkipIntoTheLastPieceWritesOnlyTheShortChild)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("kid");
    cutIntoPiecesOf(TEN_SECONDS);
    state.startPattern = 6;
    startNewSplit();

    ASSERT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(filesInFolder(), 2u);  // the Mother and Child 6
}

TEST_F(SplitEngine, SkipBeyondTheDataWritesNothingButClosesTheMotherAndShowsTheTime)
{
    // 2 436 pieces of ten seconds lie past the end, though their product wraps round to 2 136 704 in 32 bits.
    for (const std::int32_t pattern : {7, 2436, 2147483647}) {
        SCOPED_TRACE("pattern " + std::to_string(pattern));
        loadMotherOf(ONE_MINUTE);
        nameChildren("kid");
        cutIntoPiecesOf(TEN_SECONDS);
        state.startPattern = pattern;
        startNewSplit();

        EXPECT_EQ(filesInFolder(), 1u);
        EXPECT_EQ(state.motherStream, nullptr);
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, " time for job = ");
        fake.boxes.clear();
    }
}

TEST_F(SplitEngine, NoStartPatternGoesOnNumberingAfterTheLastSplit)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("kid");
    cutIntoPiecesOf(TEN_SECONDS);
    state.startPattern = -4;
    startNewSplit();
    // A second split without loading again: the Mother is opened afresh.
    startNewSplit();

    ASSERT_TRUE(childHolds(child("kid", 7), TEN_SECONDS, SAMPLES_AT));
    ASSERT_TRUE(childHolds(child("kid", 12), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(state.childNumber, 13);
    EXPECT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(state.motherStream, nullptr);

    // A start pattern of 1 starts again at the first piece and numbers it 1.
    std::filesystem::remove(child("kid", 1));
    state.startPattern = 1;
    startNewSplit();
    ASSERT_TRUE(childHolds(child("kid", 1), TEN_SECONDS, SAMPLES_AT));
    EXPECT_EQ(state.childNumber, 7);
}

TEST_F(SplitEngine, ExactMultipleLeavesNoShortChild)
{
    loadMotherOf(3 * 176400 + 68);
    nameChildren("s");
    cutIntoPiecesOf(176400);
    startNewSplit();

    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(childHolds(child("s", n), 176400, SAMPLES_AT + (n - 1) * std::uint64_t{176400}));
    }
    EXPECT_FALSE(exists(child("s", 4)));
    EXPECT_EQ(state.childNumber, 4);

    // In how-many mode an exact multiple has no remainder: a file named like the next Child stays.
    const std::vector<std::uint8_t> earlier(1000, 0xEE);
    folder.write("s7.WAV", earlier);
    cutIntoPiecesOf(176400, CutMode::Count);
    startNewSplit();
    ASSERT_TRUE(childHolds(child("s", 6), 176400, SAMPLES_AT + 2 * std::uint64_t{176400}));
    EXPECT_EQ(readWhole(child("s", 7)), earlier);
    EXPECT_EQ(state.childNumber, 7);
}

TEST_F(SplitEngine, RemainderOfSixtyFourBytesGivesAnEmptyLastChild)
{
    loadMotherOf(2 * 176400 + 64 + 68);
    nameChildren("s");
    cutIntoPiecesOf(176400);
    startNewSplit();

    ASSERT_TRUE(childHolds(child("s", 3), 0, SAMPLES_AT + 2 * std::uint64_t{176400}));
}

TEST_F(SplitEngine, RemainderBelowSixtyFourBytesIsDroppedWithoutUsingANumber)
{
    loadMotherOf(2 * 176400 + 40 + 68);
    nameChildren("s");
    cutIntoPiecesOf(176400);
    startNewSplit();

    EXPECT_TRUE(exists(child("s", 2)));
    EXPECT_FALSE(exists(child("s", 3)));
    EXPECT_EQ(state.childNumber, 3);
    EXPECT_EQ(fake.boxes.size(), 1u);
}

TEST_F(SplitEngine, HowManyRemainderTakesItsNumberButLeavesAFileOfThatNameAlone)
{
    for (const std::uint32_t remainder : {40u, 1000u}) {
        SCOPED_TRACE("remainder " + std::to_string(remainder));
        loadMotherOf(2 * 176400 + remainder + 68);
        nameChildren("s" + std::to_string(remainder) + "_");
        const std::string earlier = child("s" + std::to_string(remainder) + "_", 3);
        folder.write(earlier.substr(earlier.find_last_of("/\\") + 1), Bytes{1, 2, 3});
        cutIntoPiecesOf(176400, CutMode::Count);
        startNewSplit();

        EXPECT_EQ(readWhole(earlier), (Bytes{1, 2, 3}));
        EXPECT_EQ(state.childNumber, 4);
        EXPECT_EQ(state.childBaseName, earlier);
    }
}

TEST_F(SplitEngine, AnExistingChildIsOverwrittenWhole)
{
    loadMotherOf(2 * 176400 + 68);
    nameChildren("s");
    folder.write("s1.WAV", std::vector<std::uint8_t>(500000, 0xEE));
    cutIntoPiecesOf(176400);
    startNewSplit();

    ASSERT_TRUE(childHolds(child("s", 1), 176400, SAMPLES_AT));
}

TEST_F(SplitEngine, ChildrenHoldTheDataChunkOfEveryLayout)
{
    for (const Layout& layout : allLayouts()) {
        SCOPED_TRACE(layout.name);
        loadMotherFile(layout.bytes);
        nameChildren(std::string("L") + std::to_string(layout.dataAt) + "_");
        cutIntoPiecesOf(600);
        state.startPattern = 1;
        startNewSplit();
        // 1932 cuttable bytes: three Children of 600, then 132 less the 64 left off.
        const std::string stem = state.childBaseName.substr(0, state.childBaseName.size() - 5);
        Bytes joined;
        for (int n = 1; n <= 4; ++n) {
            const Bytes childBytes = readWhole(stem + std::to_string(n) + ".WAV");
            ASSERT_GE(childBytes.size(), 44u);
            joined.insert(joined.end(), childBytes.begin() + 44, childBytes.end());
        }
        const auto data = layout.bytes.begin() + static_cast<std::ptrdiff_t>(layout.dataAt);
        EXPECT_EQ(joined, Bytes(data, data + 3 * 600 + 68));
        EXPECT_EQ(readWhole(motherPath), layout.bytes);
    }
}

TEST_F(SplitEngine, CopyBlocksBelowAtAndAboveTheBufferGiveTheSameChildren)
{
    // Pieces below, equal to, a multiple of, and a multiple plus a remainder of the block size.
    struct Case {
        std::uint32_t copyBufferBytes;
        std::uint32_t pieceBytes;
    };
    const Case cases[] = {{1024, 1000}, {1024, 1024},  {1024, 4096}, {1024, 5000},
                          {1, 4099},    {5000, 17003}, {0, 3000},    {200000000, 70000}};
    for (const Case& c : cases) {
        SCOPED_TRACE("block " + std::to_string(c.copyBufferBytes) + ", piece " + std::to_string(c.pieceBytes));
        loadMotherOf(3 * c.pieceBytes + 500 + 68);
        nameChildren("b");
        cutIntoPiecesOf(c.pieceBytes);
        state.copyBufferBytes = c.copyBufferBytes;
        startNewSplit();
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(childHolds(child("b", n), c.pieceBytes, SAMPLES_AT + (n - 1) * std::uint64_t{c.pieceBytes}));
        }
        ASSERT_TRUE(childHolds(child("b", 4), 500 - 64, SAMPLES_AT + 3 * std::uint64_t{c.pieceBytes}));
        EXPECT_EQ(state.copyBufferBytes, c.copyBufferBytes);
    }
}

TEST_F(SplitEngine, TemplateHeaderIsCarriedIntoEveryChildAndTheShortLastOne)
{
    loadMotherOf(2 * 176400 + 1000 + 68);
    nameChildren("t");
    // A template of 22 050 Hz mono 8-bit with an odd "wave" id: only its two sizes are replaced.
    const std::array<std::uint8_t, 44> like = {'R', 'I', 'F',  'F',  0x34, 0xB1, 0x02, 0,    'w',  'A',  'V',
                                               'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,    0,
                                               1,   0,   0x22, 0x56, 0,    0,    0x10, 0xB1, 0x02, 0,    4,
                                               0,   8,   0,    'd',  'a',  't',  'a',  0x10, 0xB1, 0x02, 0};
    std::copy(like.begin(), like.end(), state.headerBuf.begin());
    state.likeChosen = 1;
    cutIntoPiecesOf(176400, CutMode::Template);
    fake.dialogAnswers.push_back(DialogAnswer::Start);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].dialogId, 131);  // "SPLIT to Children"

    ASSERT_TRUE(childHolds(child("t", 1), 176400, SAMPLES_AT, like));
    ASSERT_TRUE(childHolds(child("t", 2), 176400, SAMPLES_AT + 176400, like));
    // The remainder of 1 000 bytes less the 64 left at the end.
    ASSERT_TRUE(childHolds(child("t", 3), 936, SAMPLES_AT + 2 * 176400, like));
    EXPECT_FALSE(exists(child("t", 4)));
    // The last header written stays in the record with the last Child's sizes.
    EXPECT_EQ(state.headerBuf[40], 0xA8);
    EXPECT_EQ(state.headerBuf[41], 0x03);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, " Verarbeitungsdauer = ");
}

TEST_F(SplitEngine, AReportedWaveWithChunksBeforeItsFormatGivesChildrenTheHeaderOfItsFmt)
{
    // A recorder's 24-bit mono file, "bext" first: its first 44 bytes are no header.
    const Bytes recorded = join(
        {riffWave(0, 0), ascii("bext"), {4, 0, 0, 0}, ascii("abcd"), extensibleFmt(1, 24), DATA_2000, samples(2000)});
    const std::array<std::uint8_t, 44> mono24 = {
        'R', 'I', 'F',  'F',  0, 0, 0,    0,    'W',  'A', 'V', 'E', 'f', 'm', 't', ' ', 16,  0,   0, 0, 1, 0,
        1,   0,   0x44, 0xAC, 0, 0, 0xCC, 0x04, 0x02, 0,   3,   0,   24,  0,   'd', 'a', 't', 'a', 0, 0, 0, 0};
    loadMotherOf(3000 + 68);
    nameChildren("r");
    cutIntoPiecesOf(1000, CutMode::Template);
    const std::string list = folder.path("list.txt");
    fake.pick(list);
    for (const int report : {IDM_HEADER_TO_LIST, IDM_HEADER_44_LIST}) {
        SCOPED_TRACE(report);
        state.childNumber = 1;
        fake.pick(folder.write("recorded.wav", recorded));
        ASSERT_TRUE(dispatchCommand(ctx, report));
        fake.dialogAnswers.push_back(DialogAnswer::Start);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(childHolds(child("r", n), 1000, SAMPLES_AT + (n - 1) * 1000u, mono24)) << n;
        }
    }
    // The list still shows the file's own first bytes.
    const std::vector<std::uint8_t> listed = readWhole(list);
    EXPECT_NE(std::string(listed.begin(), listed.end()).find("(87=W)(65=A)(86=V)(69=E)(98=b)(101=e)(120=x)(116=t)"),
              std::string::npos);
}

TEST_F(SplitEngine, AMotherOfAnotherFormatIsCutAtWholeFramesAndItsChildrenCarryItsFormat)
{
    using Header = std::array<std::uint8_t, 44>;
    const auto fields = [](std::initializer_list<std::uint8_t> format) {  // positions 21-36
        Header header = CANONICAL_FIELDS;
        std::copy(format.begin(), format.end(), header.begin() + 20);
        return header;
    };
    const auto fmt16 = [](std::initializer_list<std::uint8_t> body) {
        return join({ascii("fmt "), {16, 0, 0, 0}, body});
    };
    const Header stereo24At48k = fields({1, 0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 6, 0, 24, 0});
    const Header like = fields({1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0});
    struct Case {
        const char* stem;
        Bytes fmt;
        CutMode mode;
        std::uint32_t piece;  // as the cut command set it
        std::uint32_t whole;  // each of the first three Children
        std::uint32_t last;   // the fourth, short Child; 0: none
        Header header;
    };
    // 3302 sample bytes, 3234 of them cuttable; the last Child is the rest less 64, in whole frames.
    const std::array cases = {
        Case{"s24_", fmt16({1, 0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 6, 0, 24, 0}), CutMode::Time, 1000, 996,
             180, stereo24At48k},
        Case{"count24_", fmt16({1, 0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 6, 0, 24, 0}), CutMode::Count, 1078,
             1074, 0, stereo24At48k},
        Case{"like24_", fmt16({1, 0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 6, 0, 24, 0}), CutMode::Template,
             1000, 996, 180, like},
        Case{"mono8_", fmt16({1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x22, 0x56, 0, 0, 1, 0, 8, 0}), CutMode::Time, 1000, 1000,
             170, fields({1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x22, 0x56, 0, 0, 1, 0, 8, 0})},
        Case{"ext6ch_", extensibleFmt(6, 24), CutMode::Time, 1000, 990, 198,
             fields({1, 0, 6, 0, 0x44, 0xAC, 0, 0, 0xC8, 0x1C, 0x0C, 0, 18, 0, 24, 0})},
        Case{"cd_", FMT_16, CutMode::Time, 1001, 1001, 167, CANONICAL_FIELDS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stem);
        loadMotherFile(join({riffWave(0, 0), c.fmt, ascii("data"), {0xE6, 0x0C, 0, 0}, samples(3302)}));
        nameChildren(c.stem);
        state.headerBuf = like;
        state.likeChosen = 1;
        cutIntoPiecesOf(c.piece, c.mode);
        fake.drawings.clear();
        startNewSplit();
        const std::uint64_t dataAt = 20 + c.fmt.size();
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(childHolds(child(c.stem, n), c.whole, dataAt + (n - 1) * std::uint64_t{c.whole}, c.header))
                << n;
        }
        if (c.last != 0) {
            ASSERT_TRUE(childHolds(child(c.stem, 4), c.last, dataAt + 3 * std::uint64_t{c.whole}, c.header));
        } else {
            EXPECT_FALSE(exists(child(c.stem, 4)));
        }
        EXPECT_FALSE(exists(child(c.stem, 5)));
        // Each whole piece is drawn as one: its name under its own track.
        EXPECT_EQ(std::count_if(fake.drawings.begin(), fake.drawings.end(),
                                [](const RecordedDrawing& d) { return d.op == "text" && d.y == 80; }),
                  3);
    }
}

TEST_F(SplitEngine, AMotherOfAnotherFormatIsCutByItsOwnTimeFromTheMenu)
{
    // 25 s of 24-bit stereo 48 kHz: 7 200 000 sample bytes, 7 199 932 of them cuttable.
    const std::array<std::uint8_t, 44> own = {
        'R', 'I', 'F',  'F',  0, 0, 0,    0,    'W',  'A', 'V', 'E', 'f', 'm', 't', ' ', 16,  0,   0, 0, 1, 0,
        2,   0,   0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0,   6,   0,   24,  0,   'd', 'a', 't', 'a', 0, 0, 0, 0};
    const Bytes fmt = join({ascii("fmt "), {16, 0, 0, 0}, Bytes(own.begin() + 20, own.begin() + 36)});
    loadMotherFile(join({riffWave(0, 0), fmt, ascii("data"), {0x00, 0xDD, 0x6D, 0x00}, samples(7200000)}));
    struct Case {
        const char* stem;
        int command;
        std::uint32_t answer;
        std::uint32_t pattern;
        int first;            // the first Child written
        std::uint32_t whole;  // the bytes of each whole piece
        std::uint32_t last;   // the short Child after the whole ones; 0: none
    };
    const std::array cases = {
        // Ten seconds are 480 000 frames; the rest, less 64 bytes, is 239 978 frames.
        Case{"sec_", IDM_CUT_SECONDS, 10, 0, 1, 2880000, 1439868},
        Case{"from2_", IDM_CUT_SECONDS, 10, 2, 2, 2880000, 1439868},
        Case{"three_", IDM_CUT_COUNT, 3, 0, 1, 2399976, 0},
        Case{"tenths_", IDM_CUT_TENTHS, 125, 0, 1, 3600000, 3599868},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stem);
        fake.pick(motherPath);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        fake.answer(c.pattern);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_PATTERN));
        fake.answer(c.answer);
        ASSERT_TRUE(dispatchCommand(ctx, c.command));
        nameChildren(c.stem);
        startNewSplit();
        const int wholeCount = static_cast<int>(7199932 / c.whole);
        for (int n = 1; n < c.first; ++n) {
            EXPECT_FALSE(exists(child(c.stem, n))) << n;
        }
        for (int n = c.first; n <= wholeCount; ++n) {
            ASSERT_TRUE(childHolds(child(c.stem, n), c.whole, 44 + (n - 1) * std::uint64_t{c.whole}, own)) << n;
        }
        if (c.last != 0) {
            ASSERT_TRUE(
                childHolds(child(c.stem, wholeCount + 1), c.last, 44 + wholeCount * std::uint64_t{c.whole}, own));
        }
        EXPECT_FALSE(exists(child(c.stem, wholeCount + (c.last != 0 ? 2 : 1))));
        fake.boxes.clear();
    }
}

TEST_F(SplitEngine, AnUnfinishedHeaderIsCutUpToTheEndOfTheFile)
{
    for (const std::uint8_t stated : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        SCOPED_TRACE(int{stated});
        // 2000 sample bytes and half a frame, after a data size of 0 or 0xFFFFFFFF.
        loadMotherFile(join({riffWave(0, 0), FMT_16, ascii("data"), Bytes(4, stated), samples(2002)}));
        const std::string stem = "u" + std::to_string(stated) + "_";
        nameChildren(stem);
        cutIntoPiecesOf(600);
        startNewSplit();
        // 1932 cuttable bytes: three Children of 600, then 132 less the 64 left off.
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(childHolds(child(stem, n), 600, SAMPLES_AT + (n - 1) * 600u)) << n;
        }
        ASSERT_TRUE(childHolds(child(stem, 4), 68, SAMPLES_AT + 3 * 600u));
        EXPECT_FALSE(exists(child(stem, 5)));
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].caption, " time for job = ");
    }
}

TEST_F(SplitEngine, TimeCutsGetTheDefaultFieldsWhateverTheRecordHeld)
{
    loadMotherOf(176400 + 68);
    nameChildren("d");
    state.headerBuf.fill(0xAB);
    cutIntoPiecesOf(176400);
    startNewSplit();
    ASSERT_TRUE(childHolds(child("d", 1), 176400, SAMPLES_AT));
}

TEST_F(SplitEngine, ElapsedTimeIsShownWithTwoDecimalsOwnedByTheDialog)
{
    loadMotherOf(176400 + 68);
    nameChildren("d");
    cutIntoPiecesOf(88200);
    SplitFiles files;
    runWith(files, SplitDialogKind::AllSplit);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, " Verarbeitungsdauer = ");
    EXPECT_EQ(fake.boxes[0].text, " 1.50 ");
    EXPECT_EQ(fake.boxes[0].owner, FakePlatform::DIALOG);
}
