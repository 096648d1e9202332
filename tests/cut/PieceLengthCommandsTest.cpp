#include "cut/PieceLengthCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"
#include "support/WavLayouts.h"
#include "wav/WavChunks.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;

class PieceLengthCommands : public ::testing::Test {
protected:
    // The values a cut command may change, set to something no command produces.
    void presetCut()
    {
        state.pieceBytes = 1234;
        state.cutMode = CutMode::Template;
    }

    void expectBox(std::size_t index, const std::string& caption, const std::string& text)
    {
        ASSERT_LT(index, fake.boxes.size());
        EXPECT_EQ(FakePlatform::MAIN_WINDOW, fake.boxes[index].owner);
        EXPECT_EQ(caption, fake.boxes[index].caption);
        EXPECT_EQ(text, fake.boxes[index].text);
    }

    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

// A piece of three units, and the most units, of a Mother in its own time.
struct OwnTime {
    std::uint32_t threeUnits;
    std::uint32_t largest;
};

struct TimeCase {
    TimeUnit unit;
    const char* question;
    const char* unitsCaption;
    const char* piecesCaption;
    std::uint32_t bytes;
    std::uint32_t largest;
    OwnTime stereo24At48k;  // 288 000 bytes a second, 6-byte frames
    OwnTime mono16At22k;    // 44 100 bytes a second, 2-byte frames: 3 x 441 bytes round down to 1 322
};

// clang-format off
const std::array TIME_CASES = {
    TimeCase{TimeUnit::Hundredths, "0.01 sec =  * ", " time selected  (0.01 sec):", " wave-number around : ", 1764,
             2434788, {8640, 1491308}, {1322, 9739154}},
    TimeCase{TimeUnit::Tenths, "0.1 sec =  * ", " One wave will have (0.1 sec):", " wave-number will be around   : ",
             17640, 243478, {86400, 149130}, {13230, 973915}},
    TimeCase{TimeUnit::Quarters, " (0.25 sec ) =  * ", " wave time (0.25 sec):", " wave-number will be around: ", 44100,
             97391, {216000, 59652}, {33074, 389566}},
    TimeCase{TimeUnit::Halves, " (0.5 sec ) =  * ", " wave time (0.5 sec):", " wave-number will be around : ", 88200,
             48695, {432000, 29826}, {66150, 194783}},
    TimeCase{TimeUnit::Seconds, " (sec) =  * ", " selected (sec):", "  wave-number will be around  : ", 176400, 24347,
             {864000, 14913}, {132300, 97391}},
};
// clang-format on

// The header LOAD keeps for a Mother of another format: its own fmt fields, sizes 0.
HeaderBytes ownHeader(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    const auto frame = static_cast<std::uint16_t>(channels * bits / 8);
    return canonicalHeaderOf(WavFormat{1, channels, rate, rate * frame, frame, bits, 0}, 0);
}

// 25 s of 24-bit stereo 48 kHz less the 68 bytes never cut.
constexpr std::uint32_t OWN_DATA_BYTES = 7199932;

}  // namespace

TEST_F(PieceLengthCommands, TwentyFiveTenthsOfOneMinute)
{
    state.motherDataBytes = 10583932;  // the cuttable bytes of a one-minute Mother
    fake.answer(25);
    cutByTime(ctx, TimeUnit::Tenths);
    ASSERT_EQ(2u, fake.boxes.size());
    expectBox(0, " One wave will have (0.1 sec):", " 25   ");
    expectBox(1, " wave-number will be around   : ", "Wert = 23 ");
    EXPECT_EQ(441000u, state.pieceBytes);
    EXPECT_EQ(CutMode::Time, state.cutMode);
}

TEST_F(PieceLengthCommands, OneSecondEqualsFourQuarters)
{
    state.motherDataBytes = ONE_MINUTE;
    fake.answer(1);
    cutByTime(ctx, TimeUnit::Seconds);
    EXPECT_EQ(176400u, state.pieceBytes);
    fake.answer(4);
    cutByTime(ctx, TimeUnit::Quarters);
    EXPECT_EQ(176400u, state.pieceBytes);
}

TEST_F(PieceLengthCommands, EachTimeUnitAsksAndAnswersInItsOwnWords)
{
    state.motherDataBytes = ONE_MINUTE;
    for (const TimeCase& c : TIME_CASES) {
        SCOPED_TRACE(c.unitsCaption);
        fake.boxes.clear();
        fake.promptQuestions.clear();
        fake.answer(2);
        cutByTime(ctx, c.unit);
        ASSERT_EQ(1u, fake.promptQuestions.size());
        EXPECT_EQ(c.question, fake.promptQuestions[0]);
        ASSERT_EQ(2u, fake.boxes.size());
        expectBox(0, c.unitsCaption, " 2    ");
        expectBox(1, c.piecesCaption, "Wert = " + std::to_string(ONE_MINUTE / (2 * c.bytes)) + " ");
        EXPECT_EQ(2 * c.bytes, state.pieceBytes);
    }
}

TEST_F(PieceLengthCommands, NoTimeChangesNothing)
{
    for (const TimeCase& c : TIME_CASES) {
        SCOPED_TRACE(c.unitsCaption);
        presetCut();
        cutByTime(ctx, c.unit);  // Enter on the empty field
        EXPECT_EQ(1234u, state.pieceBytes);
        EXPECT_EQ(CutMode::Template, state.cutMode);
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(PieceLengthCommands, LargestTimeFitsAndOneMoreIsRefused)
{
    state.motherDataBytes = ONE_MINUTE;
    for (const TimeCase& c : TIME_CASES) {
        SCOPED_TRACE(c.unitsCaption);
        fake.answer(c.largest);
        cutByTime(ctx, c.unit);
        EXPECT_EQ(c.largest * c.bytes, state.pieceBytes);
        EXPECT_EQ(CutMode::Time, state.cutMode);

        presetCut();
        fake.boxes.clear();
        fake.answer(c.largest + 1);
        cutByTime(ctx, c.unit);
        EXPECT_EQ(1234u, state.pieceBytes);
        EXPECT_EQ(CutMode::Template, state.cutMode);
        ASSERT_EQ(1u, fake.boxes.size());
        expectBox(0, " number too big: piece would be 4 GB or more ",
                  "largest number = " + std::to_string(c.largest) + " ");
    }
}

TEST_F(PieceLengthCommands, OfAMotherOfAnotherFormatEachUnitCountsItsOwnTimeInWholeFrames)
{
    struct Format {
        const char* name;
        HeaderBytes header;
        OwnTime TimeCase::*expected;
    };
    const std::array formats = {Format{"24-bit 48 kHz", ownHeader(2, 48000, 24), &TimeCase::stereo24At48k},
                                Format{"mono 22 050 Hz", ownHeader(1, 22050, 16), &TimeCase::mono16At22k}};
    state.motherDataBytes = OWN_DATA_BYTES;
    for (const Format& f : formats) {
        state.motherOwnHeader = f.header;
        for (const TimeCase& c : TIME_CASES) {
            SCOPED_TRACE(std::string(f.name) + c.unitsCaption);
            const OwnTime& own = c.*f.expected;
            fake.boxes.clear();
            fake.answer(3);
            cutByTime(ctx, c.unit);
            EXPECT_EQ(own.threeUnits, state.pieceBytes);
            expectBox(1, c.piecesCaption, "Wert = " + std::to_string(OWN_DATA_BYTES / own.threeUnits) + " ");

            fake.answer(own.largest);
            cutByTime(ctx, c.unit);
            EXPECT_GT(state.pieceBytes, 4294967296u - 288000u);
            presetCut();
            fake.boxes.clear();
            fake.answer(own.largest + 1);
            cutByTime(ctx, c.unit);
            EXPECT_EQ(1234u, state.pieceBytes);
            expectBox(0, " number too big: piece would be 4 GB or more ",
                      "largest number = " + std::to_string(own.largest) + " ");
        }
    }
}

TEST_F(PieceLengthCommands, ATimeShorterThanAFrameGivesNoPiece)
{
    // 4 000 bytes a second in frames of 64 bytes: a hundredth is 40 bytes, not one frame.
    state.motherOwnHeader = canonicalHeaderOf(WavFormat{1, 32, 1000, 4000, 64, 16, 0}, 0);
    state.motherDataBytes = OWN_DATA_BYTES;
    fake.answer(1);
    cutByTime(ctx, TimeUnit::Hundredths);
    EXPECT_EQ(0u, state.pieceBytes);
    expectBox(1, " wave-number around : ", "Wert = 0 ");
    EXPECT_EQ(CutMode::Time, state.cutMode);
}

TEST_F(PieceLengthCommands, CountRoundsEachPieceDownToWholeFrames)
{
    state.motherDataBytes = 1000003;
    fake.answer(3);
    cutByCount(ctx);
    ASSERT_EQ(1u, fake.promptQuestions.size());
    EXPECT_EQ("How many You want get ?  =  * ", fake.promptQuestions[0]);
    ASSERT_EQ(1u, fake.boxes.size());
    expectBox(0, "Vraw - posist  = ", "Wert = 2 ");
    EXPECT_EQ(333332u, state.pieceBytes);
    EXPECT_EQ(CutMode::Count, state.cutMode);
}

TEST_F(PieceLengthCommands, CountOfAMotherOfAnotherFormatRoundsToItsOwnFrames)
{
    state.motherOwnHeader = ownHeader(2, 48000, 24);
    state.motherDataBytes = OWN_DATA_BYTES;
    fake.answer(3);
    cutByCount(ctx);
    // 2 399 977 bytes a piece, 2 399 976 in whole frames of 6 bytes.
    expectBox(0, "Vraw - posist  = ", "Wert = 1 ");
    EXPECT_EQ(2399976u, state.pieceBytes);
}

TEST_F(PieceLengthCommands, CountOfOneKeepsTheWholeMother)
{
    state.motherDataBytes = ONE_MINUTE;
    fake.answer(1);
    cutByCount(ctx);
    expectBox(0, "Vraw - posist  = ", "Wert = 0 ");
    EXPECT_EQ(ONE_MINUTE, state.pieceBytes);
}

TEST_F(PieceLengthCommands, CountAboveAQuarterOfTheDataGivesNoLength)
{
    state.motherDataBytes = 1000;
    fake.answer(251);
    cutByCount(ctx);
    EXPECT_EQ(0u, state.pieceBytes);
    EXPECT_EQ(CutMode::Count, state.cutMode);
}

TEST_F(PieceLengthCommands, NoCountChangesNothing)
{
    state.motherDataBytes = ONE_MINUTE;
    presetCut();
    cutByCount(ctx);
    EXPECT_EQ(1234u, state.pieceBytes);
    EXPECT_EQ(CutMode::Template, state.cutMode);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(PieceLengthCommands, BufferSizeAsksWithTheCurrentSize)
{
    fake.answer(512);
    setCopyBufferSize(ctx);
    EXPECT_EQ(512u, state.copyBufferBytes);
    expectBox(0, " BUFFER  = ", " 512  ");
    fake.answer(0);
    setCopyBufferSize(ctx);
    ASSERT_EQ(2u, fake.promptQuestions.size());
    EXPECT_EQ(" Buffer = 1024  , new Size = * ", fake.promptQuestions[0]);
    EXPECT_EQ(" Buffer = 512  , new Size = * ", fake.promptQuestions[1]);
}

TEST_F(PieceLengthCommands, NoBufferSizeRestoresTheDefault)
{
    state.copyBufferBytes = 512;
    setCopyBufferSize(ctx);
    EXPECT_EQ(1024u, state.copyBufferBytes);
    expectBox(0, " BUFFER  = ", " 1024 ");
    state.copyBufferBytes = 512;
    fake.cancelPrompt();
    setCopyBufferSize(ctx);
    EXPECT_EQ(1024u, state.copyBufferBytes);
}

TEST_F(PieceLengthCommands, StartPatternIsTakenAsSigned)
{
    struct Case {
        std::uint32_t answer;
        std::int32_t pattern;
        const char* shown;
    };
    const std::array cases = {Case{3, 3, " 3    "}, Case{4294967295u, -1, " -1   "},
                              Case{2147483648u, -2147483647 - 1, " -2147483648 "}, Case{0, 0, " 0    "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        fake.boxes.clear();
        state.startPattern = 99;
        fake.answer(c.answer);
        setStartPattern(ctx);
        EXPECT_EQ(c.pattern, state.startPattern);
        expectBox(0, " from Pattern = ", c.shown);
    }
    EXPECT_EQ("start from Pattern ?  =  * ", fake.promptQuestions[0]);
}

TEST_F(PieceLengthCommands, CancelledStartPatternStartsAtTheFirstPiece)
{
    state.startPattern = 3;
    fake.cancelPrompt();
    setStartPattern(ctx);
    EXPECT_EQ(0, state.startPattern);
}

class TemplateCut : public PieceLengthCommands {
protected:
    // The state a refused or cancelled template pick must leave as it was.
    struct Kept {
        std::uint32_t pieceBytes = 0;
        CutMode cutMode = CutMode::None;
        HeaderBytes headerBuf{};
        std::string likeSettingPath;
        bool operator==(const Kept&) const = default;
    };
    Kept kept() const { return {state.pieceBytes, state.cutMode, state.headerBuf, state.likeSettingPath}; }

    void presetTemplate()
    {
        state.pieceBytes = 441000;
        state.cutMode = CutMode::Time;
        state.headerBuf.fill(0xEE);
        state.likeSettingPath = "Z:\\old\\like.wav";
    }

    ScratchFolder folder;
};

TEST_F(TemplateCut, TakesThePieceLengthFromTheDataSize)
{
    HeaderBytes header = pcmHeader(0);
    header[DATA_SIZE_AT + 0] = 0x10;  // data size 176 400, low byte first
    header[DATA_SIZE_AT + 1] = 0xB1;
    header[DATA_SIZE_AT + 2] = 0x02;
    header[DATA_SIZE_AT + 3] = 0x00;
    const std::string path = folder.writeWav("like.wav", header, 44 + 176400);
    fake.pick(path);
    cutLikeTemplate(ctx);

    ASSERT_EQ(1u, fake.fileDialogs.size());
    EXPECT_EQ("timelike Wavfile select:", fake.fileDialogs[0].title);
    EXPECT_EQ(1, state.likeChosen);
    EXPECT_EQ(176400u, state.pieceBytes);
    EXPECT_EQ(CutMode::Template, state.cutMode);
    EXPECT_EQ(header, state.headerBuf);
    EXPECT_EQ(path, state.likeSettingPath);
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(TemplateCut, OtherLayoutsGiveTheirDataSizeAndAFixedHeaderOfTheirFormat)
{
    // 16-bit stereo 44 100 Hz PCM, data size 2000: what every layout below holds.
    // clang-format off
    const HeaderBytes cdHeader = {
        'R', 'I', 'F', 'F', 0xF4, 0x07, 0x00, 0x00, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
        0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1, 0x02, 0x00,
        0x04, 0x00, 0x10, 0x00, 'd', 'a', 't', 'a', 0xD0, 0x07, 0x00, 0x00,
    };
    // clang-format on
    HeaderBytes mono24 = cdHeader;  // the extensible 24-bit mono template, as a PCM header
    mono24[22] = 0x01;
    mono24[28] = 0xCC;  // 132 300 bytes per second
    mono24[29] = 0x04;
    mono24[30] = 0x02;
    mono24[32] = 0x03;
    mono24[34] = 0x18;
    struct Case {
        const char* name;
        Bytes bytes;
        HeaderBytes carried;
    };
    // First 44 bytes laid out as the fixed header are carried as they are, RIFF size and all,
    // even when more chunks follow or the samples are missing.
    HeaderBytes listFirst{};
    std::copy_n(listAfterDataLayout().bytes.begin(), listFirst.size(), listFirst.begin());
    HeaderBytes headerOnly = cdHeader;
    headerOnly[4] = 0x99;
    const std::array cases = {
        Case{"bext", bextJunkBeforeLayout().bytes, cdHeader},
        Case{"fmt18", fmt18Layout().bytes, cdHeader},
        Case{"odd", oddChunkLayout().bytes, cdHeader},
        Case{"mono24", join({riffWave(0, 0), extensibleFmt(1, 24), DATA_2000}), mono24},
        Case{"list", listAfterDataLayout().bytes, listFirst},
        Case{"headeronly", Bytes(headerOnly.begin(), headerOnly.end()), headerOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.pick(folder.write(std::string(c.name) + ".wav", c.bytes));
        cutLikeTemplate(ctx);
        EXPECT_EQ(1, state.likeChosen);
        EXPECT_EQ(2000u, state.pieceBytes);
        EXPECT_EQ(CutMode::Template, state.cutMode);
        EXPECT_EQ(c.carried, state.headerBuf);
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(TemplateCut, OfAMotherOfAnotherFormatPiecesLastAsLongAsTheTemplatesData)
{
    struct Case {
        const char* name;
        Bytes fmtBody;
        std::uint32_t dataSize;
        std::uint32_t pieceBytes;  // of a 24-bit stereo 48 kHz Mother
    };
    const std::array cases = {
        // One second of 16-bit stereo 44 100 Hz.
        Case{"cd", {0x01, 0, 0x02, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 0x04, 0, 0x10, 0}, 176400, 288000},
        // Its own format: the bytes, rounded down to whole frames.
        Case{"own", {0x01, 0, 0x02, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 0x06, 0, 0x18, 0}, 1000, 996},
        // Half a second of 8-bit mono 8 kHz.
        Case{"8k", {0x01, 0, 0x01, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 0x01, 0, 0x08, 0}, 4000, 144000},
    };
    state.motherOwnHeader = ownHeader(2, 48000, 24);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes size = {static_cast<std::uint8_t>(c.dataSize), static_cast<std::uint8_t>(c.dataSize >> 8),
                            static_cast<std::uint8_t>(c.dataSize >> 16), 0};
        fake.pick(folder.write(std::string(c.name) + ".wav",
                               join({riffWave(0, 0), ascii("fmt "), {0x10, 0, 0, 0}, c.fmtBody, ascii("data"), size})));
        cutLikeTemplate(ctx);
        EXPECT_EQ(c.pieceBytes, state.pieceBytes);
        EXPECT_EQ(c.dataSize, headerDataSize(state.headerBuf));  // the header carried is the template's
        EXPECT_EQ(CutMode::Template, state.cutMode);
    }
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(TemplateCut, LongPathIsKeptWhole)
{
    const std::string path = folder.writeWav(std::string(150, 'n') + ".wav", pcmHeader(400), 444);
    fake.pick(path);
    cutLikeTemplate(ctx);
    EXPECT_EQ(path, state.likeSettingPath);
    EXPECT_EQ(400u, state.pieceBytes);
}

TEST_F(TemplateCut, CancelledPickChangesNothingElse)
{
    presetTemplate();
    state.likeChosen = 1;
    const Kept before = kept();
    fake.cancelPick();
    cutLikeTemplate(ctx);
    EXPECT_EQ(0, state.likeChosen);
    EXPECT_TRUE(before == kept());
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(TemplateCut, UnreadableOrShortTemplateIsRefused)
{
    struct Case {
        std::string path;
        const char* caption;
        std::string numbers;
    };
    const std::array cases = {
        Case{folder.path("absent.wav"), " LIKE Wavfile cannot be opened ", ""},
        Case{folder.path(""), " LIKE Wavfile cannot be opened ", ""},  // the folder itself
        Case{folder.writeWav("short.wav", pcmHeader(176400), 43), " LIKE Wavfile is shorter than its 44-byte header ",
             "\nheader bytes read = 43"},
        Case{folder.write("text.wav", Bytes(60, 'x')), " LIKE Wavfile is not a RIFF WAVE file ", ""},
        Case{folder.write("nodata.wav", join({riffWave(0, 0), FMT_16, ascii("LIST"), {4, 0, 0, 0}, ascii("INFO")})),
             " LIKE Wavfile has no data chunk ", ""},
        Case{folder.write("nofmt.wav",
                          join({riffWave(0, 0), ascii("LIST"), {4, 0, 0, 0}, ascii("INFO"), DATA_2000, samples(20)})),
             " LIKE Wavfile has no fmt chunk ", ""},
    };
    presetTemplate();
    const Kept before = kept();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        fake.boxes.clear();
        fake.pick(c.path);
        cutLikeTemplate(ctx);
        EXPECT_EQ(0, state.likeChosen);
        EXPECT_TRUE(before == kept());
        ASSERT_EQ(1u, fake.boxes.size());
        expectBox(0, c.caption, c.path + c.numbers);
    }
}
