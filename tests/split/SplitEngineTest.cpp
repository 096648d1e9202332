#include "split/SplitEngine.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "split/SplitDialogs.h"
#include "split/SplitFixture.h"
#include "support/WavLayouts.h"
#include "ui/Texts.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;       // data size of a canonical 60 s Mother
constexpr std::uint32_t TEN_SECONDS = 1764000;
constexpr std::uint64_t SAMPLES_AT = 44;

using SplitEngine = SplitFixture;

bool isSecondsText(const std::string& text) { return std::regex_match(text, std::regex(" [0-9]+\\.[0-9]{2} ")); }

}  // namespace

TEST_F(SplitEngine, OneMinuteInTenSecondPiecesGivesFiveFullChildrenAndAShortSixth)
{
    loadMotherOf(ONE_MINUTE);
    nameChildren("kid");
    cutIntoPiecesOf(TEN_SECONDS);
    startNewSplit();

    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("child " + std::to_string(n));
        EXPECT_TRUE(childHolds(child("kid", n), TEN_SECONDS, SAMPLES_AT + (n - 1) * std::uint64_t{TEN_SECONDS}));
    }
    // 10 583 932 - 5 x 1 764 000 - 64: the last Child stops short of the cuttable length.
    EXPECT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(readLe32(readWhole(child("kid", 6)).data() + RIFF_SIZE_AT), 1763904u);
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
        EXPECT_TRUE(childHolds(child("part", n), 1763988, SAMPLES_AT + (n - 1) * std::uint64_t{1763988}));
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
        EXPECT_TRUE(childHolds(child("kid", n), TEN_SECONDS, SAMPLES_AT + (n - 1) * std::uint64_t{TEN_SECONDS}));
    }
    EXPECT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
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

    EXPECT_TRUE(childHolds(child("kid", 6), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(filesInFolder(), 2u);  // the Mother and Child 6
}

TEST_F(SplitEngine, SkipBeyondTheDataWritesNothingButClosesTheMotherAndShowsTheTime)
{
    for (const std::int32_t pattern : {7, 2147483647}) {
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

    EXPECT_TRUE(childHolds(child("kid", 7), TEN_SECONDS, SAMPLES_AT));
    EXPECT_TRUE(childHolds(child("kid", 12), 1763868, SAMPLES_AT + 5 * std::uint64_t{TEN_SECONDS}));
    EXPECT_EQ(state.childNumber, 13);
    EXPECT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(state.motherStream, nullptr);
}

TEST_F(SplitEngine, ExactMultipleLeavesNoShortChild)
{
    loadMotherOf(3 * 176400 + 68);
    nameChildren("s");
    cutIntoPiecesOf(176400);
    startNewSplit();

    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(childHolds(child("s", n), 176400, SAMPLES_AT + (n - 1) * std::uint64_t{176400}));
    }
    EXPECT_FALSE(exists(child("s", 4)));
    EXPECT_EQ(state.childNumber, 4);
}

TEST_F(SplitEngine, RemainderOfSixtyFourBytesGivesAnEmptyLastChild)
{
    loadMotherOf(2 * 176400 + 64 + 68);
    nameChildren("s");
    cutIntoPiecesOf(176400);
    startNewSplit();

    EXPECT_TRUE(childHolds(child("s", 3), 0, SAMPLES_AT + 2 * std::uint64_t{176400}));
    EXPECT_EQ(readLe32(readWhole(child("s", 3)).data() + RIFF_SIZE_AT), 36u);
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

    EXPECT_TRUE(childHolds(child("s", 1), 176400, SAMPLES_AT));
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
    const Case cases[] = {{1024, 1000}, {1024, 1024}, {1024, 4096}, {1024, 5000}, {1, 4099},
                          {5000, 17003}, {0, 3000}, {200000000, 70000}};
    for (const Case& c : cases) {
        SCOPED_TRACE("block " + std::to_string(c.copyBufferBytes) + ", piece " + std::to_string(c.pieceBytes));
        loadMotherOf(3 * c.pieceBytes + 500 + 68);
        nameChildren("b");
        cutIntoPiecesOf(c.pieceBytes);
        state.copyBufferBytes = c.copyBufferBytes;
        startNewSplit();
        for (int n = 1; n <= 3; ++n) {
            EXPECT_TRUE(childHolds(child("b", n), c.pieceBytes, SAMPLES_AT + (n - 1) * std::uint64_t{c.pieceBytes}));
        }
        EXPECT_TRUE(childHolds(child("b", 4), 500 - 64, SAMPLES_AT + 3 * std::uint64_t{c.pieceBytes}));
        EXPECT_EQ(state.copyBufferBytes, c.copyBufferBytes);
    }
}

TEST_F(SplitEngine, TemplateHeaderIsCarriedIntoEveryChild)
{
    loadMotherOf(2 * 176400 + 68);
    nameChildren("t");
    // A template of 22 050 Hz mono with odd fields: only its two sizes are replaced.
    HeaderBytes like = pcmHeader(176400);
    like[CHANNELS_AT] = 1;
    writeLe32(22050, &like[SAMPLE_RATE_AT]);
    like[BITS_PER_SAMPLE_AT] = 8;
    like[WAVE_FMT_ID_AT] = 'w';
    state.headerBuf = like;
    state.likeChosen = 1;
    cutIntoPiecesOf(176400, CutMode::Template);
    fake.dialogAnswers.push_back(DialogAnswer::Start);
    ASSERT_TRUE(dispatchCommand(ctx, IDM_ALLSPLIT));
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].dialogId, 131);  // "SPLIT to Children"

    EXPECT_TRUE(childHolds(child("t", 1), 176400, SAMPLES_AT, like));
    EXPECT_TRUE(childHolds(child("t", 2), 176400, SAMPLES_AT + 176400, like));
    // The last header written stays in the record with the last Child's sizes.
    EXPECT_EQ(headerDataSize(state.headerBuf), 176400u);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].caption, " Verarbeitungsdauer = ");
}

TEST_F(SplitEngine, TimeCutsGetTheDefaultFieldsWhateverTheRecordHeld)
{
    loadMotherOf(176400 + 68);
    nameChildren("d");
    state.headerBuf.fill(0xAB);
    cutIntoPiecesOf(176400);
    startNewSplit();
    EXPECT_TRUE(childHolds(child("d", 1), 176400, SAMPLES_AT));
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
