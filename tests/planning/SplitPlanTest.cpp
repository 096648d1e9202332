#include "planning/SplitPlan.h"
#include "planning/SpanRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint64_t DATA_AT = 100;

struct Expected {
    std::int32_t number;
    std::uint64_t offset;  // from the first sample byte
    std::uint32_t bytes;
};

struct Case {
    const char* what;
    CutMode mode;
    std::uint32_t piece;
    std::uint64_t samples;
    std::int32_t startPattern;
    std::int32_t childNumber;
    std::vector<Expected> children;
    std::optional<Expected> unwritten;
    std::int32_t nextNumber;
};

SplitPlan planOf(const Case& c)
{
    MotherSource mother;
    mother.path = "m.wav";
    mother.dataAt = DATA_AT;
    mother.sampleBytes = c.samples;
    CutChoice choice;
    choice.pieceBytes = c.piece;
    choice.cutMode = c.mode;
    choice.startPattern = c.startPattern;
    choice.childNumber = c.childNumber;
    choice.childStem = "out/kid";
    return planWindowSplit(mother, choice);
}

std::uint32_t le32At(const HeaderBytes& header, std::size_t at)
{
    return header[at] | header[at + 1] << 8 | header[at + 2] << 16 | static_cast<std::uint32_t>(header[at + 3]) << 24;
}

}  // namespace

TEST(SplitPlan, WindowRulesByNumbersAlone)
{
    const Case cases[] = {
        {"rest kept, 64 bytes short",
         CutMode::Time,
         1000,
         3500,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}, {3, 2000, 1000}, {4, 3000, 436}},
         {},
         5},
        {"rest of exactly 64 gives an empty Child",
         CutMode::Template,
         1000,
         2064,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}, {3, 2000, 0}},
         {},
         4},
        {"rest below 64 trimmed away with no number",
         CutMode::Time,
         1000,
         2063,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}},
         {},
         3},
        {"how-many rest never written, its number taken",
         CutMode::Count,
         1000,
         3500,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}, {3, 2000, 1000}},
         Expected{4, 3000, 500},
         5},
        {"how-many rest below 64 taken as well",
         CutMode::Count,
         1000,
         2040,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}},
         Expected{3, 2000, 40},
         4},
        {"how-many exact multiple has no rest",
         CutMode::Count,
         1000,
         3000,
         0,
         1,
         {{1, 0, 1000}, {2, 1000, 1000}, {3, 2000, 1000}},
         {},
         4},
        {"start pattern skips and numbers from itself",
         CutMode::Time,
         1000,
         3500,
         3,
         9,
         {{3, 2000, 1000}, {4, 3000, 436}},
         {},
         5},
        {"start pattern into the rest", CutMode::Time, 1000, 3500, 4, 1, {{4, 3000, 436}}, {}, 5},
        {"start pattern past the end", CutMode::Time, 1000, 3500, 5, 1, {}, {}, 5},
        {"start pattern whose skip wraps in 32 bits", CutMode::Time, 1764000, 10584000, 2436, 1, {}, {}, 2436},
        {"largest start pattern", CutMode::Time, 1000, 3500, 2147483647, 1, {}, {}, 2147483647},
        {"no start pattern goes on numbering",
         CutMode::Time,
         1000,
         2000,
         -4,
         7,
         {{7, 0, 1000}, {8, 1000, 1000}},
         {},
         9},
        {"number 0 gives no number in the name", CutMode::Time, 1000, 1000, 0, 0, {{0, 0, 1000}}, {}, 1},
        {"no piece length, no Child", CutMode::None, 0, 3500, 2, 7, {}, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SplitPlan plan = planOf(c);
        ASSERT_EQ(plan.children.size(), c.children.size());
        for (std::size_t i = 0; i < c.children.size(); ++i) {
            const PlannedChild& child = plan.children[i];
            const Expected& want = c.children[i];
            EXPECT_EQ(child.number, want.number);
            EXPECT_EQ(childName(plan, child),
                      want.number == 0 ? "out/kid.WAV" : "out/kid" + std::to_string(want.number) + ".WAV");
            EXPECT_EQ(child.firstByte, DATA_AT + want.offset);
            EXPECT_EQ(child.sampleBytes, want.bytes);
            EXPECT_EQ(le32At(childHeader(plan, child), 4), 36 + want.bytes);
            EXPECT_EQ(le32At(childHeader(plan, child), 40), want.bytes);
        }
        ASSERT_EQ(plan.unwritten.has_value(), c.unwritten.has_value());
        if (c.unwritten) {
            EXPECT_EQ(plan.unwritten->number, c.unwritten->number);
            EXPECT_EQ(plan.unwritten->firstByte, DATA_AT + c.unwritten->offset);
            EXPECT_EQ(plan.unwritten->sampleBytes, c.unwritten->bytes);
        }
        EXPECT_EQ(plan.nextNumber, c.nextNumber);
    }
}

TEST(SplitPlan, TimeAndCountCutsGetTheDefaultFieldsATemplateCutItsOwn)
{
    HeaderBytes like{};
    like.fill(0xAB);
    // 16-bit stereo 44 100 Hz PCM with a 16-byte fmt chunk, the sizes of 1000 sample bytes.
    const HeaderBytes fixed = {'R',  'I', 'F', 'F', 0x0C, 0x04, 0,   0,   'W', 'A',  'V',  'E',  'f', 'm',  't',
                               ' ',  16,  0,   0,   0,    1,    0,   2,   0,   0x44, 0xAC, 0,    0,   0x10, 0xB1,
                               0x02, 0,   4,   0,   16,   0,    'd', 'a', 't', 'a',  0xE8, 0x03, 0,   0};
    HeaderBytes carried = like;
    for (const std::size_t at : {4u, 40u}) {
        carried[at] = fixed[at];
        carried[at + 1] = fixed[at + 1];
        carried[at + 2] = 0;
        carried[at + 3] = 0;
    }
    struct Fields {
        CutMode mode;
        bool defaultFields;
        HeaderBytes expected;
    };
    for (const Fields& f : {Fields{CutMode::Time, false, fixed}, Fields{CutMode::Count, false, fixed},
                            Fields{CutMode::Template, false, carried}, Fields{CutMode::Template, true, fixed}}) {
        MotherSource mother;
        mother.sampleBytes = 1000;
        CutChoice choice;
        choice.pieceBytes = 1000;
        choice.cutMode = f.mode;
        choice.templateHeader = like;
        choice.defaultFields = f.defaultFields;
        const SplitPlan plan = planWindowSplit(mother, choice);
        ASSERT_EQ(plan.children.size(), 1u);
        EXPECT_EQ(childHeader(plan, plan.children[0]), f.expected) << static_cast<int>(f.mode) << f.defaultFields;
    }
}

TEST(SplitPlan, CopyBlockIsTheDefaultWithoutOneAndAtMostEightMebibytes)
{
    for (const auto& [asked, block] :
         {std::pair{0u, 1024u}, std::pair{1u, 1u}, std::pair{5000u, 5000u}, std::pair{8388608u, 8388608u},
          std::pair{8388609u, 8388608u}, std::pair{200000000u, 8388608u}}) {
        CutChoice choice;
        choice.copyBufferBytes = asked;
        EXPECT_EQ(planWindowSplit(MotherSource{}, choice).blockBytes, block) << asked;
    }
}

TEST(SplitPlan, SpanRulesLayTheMothersFramesEndToEnd)
{
    EXPECT_EQ(framesOf({false, 0, 10, 1}, 48000), 480000u);
    EXPECT_EQ(framesOf({false, 0, 25, 100}, 96000), 24000u);
    EXPECT_EQ(framesOf({false, 0, 1, 88200}, 44100), 1u);  // half a frame goes up
    EXPECT_EQ(framesOf({false, 0, 1, 88201}, 44100), 0u);
    EXPECT_EQ(framesOf({true, 480000, 0, 1}, 8000), 480000u);
    EXPECT_EQ(framesOf({false, 0, 18446744073709551615u, 1}, 2), std::nullopt);
    EXPECT_EQ(framesLike(441000, 44100, 48000), 480000u);  // 10 s at 44.1 kHz is 10 s at 48 kHz

    struct Case {
        const char* what;
        ChildSpans spans;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> expected;  // first frame, frames
    };
    const Case cases[] = {
        {"25 s + 7 frames by 10 s", spansEvery(1200007, 480000), {{0, 480000}, {480000, 480000}, {960000, 240007}}},
        {"an exact multiple has no empty last", spansEvery(960000, 480000), {{0, 480000}, {480000, 480000}}},
        {"a single frame", spansEvery(1, 480000), {{0, 1}}},
        {"no piece length", spansEvery(10, 0), {}},
        {"3 pieces of 11 frames", spansOfPieces(11, 3), {{0, 3}, {3, 3}, {6, 5}}},
        {"as many pieces as frames", spansOfPieces(2, 2), {{0, 1}, {1, 1}}},
        {"more pieces than frames", spansOfPieces(2, 3), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.spans.size(), c.expected.size());
        for (std::size_t i = 0; i < c.spans.size(); ++i) {
            EXPECT_EQ(c.spans[i].firstFrame, c.expected[i].first);
            EXPECT_EQ(c.spans[i].frames, c.expected[i].second);
        }
    }
}

TEST(SplitPlan, SpansBecomeChildrenInTheMothersFrames)
{
    MotherSource mother;
    mother.path = "m.wav";
    mother.dataAt = 68;
    mother.sampleBytes = 6 * 1000;  // 1000 frames of 24-bit stereo
    mother.format = WavFormat{1, 2, 48000, 288000, 6, 24, 0};
    mother.fmtBody = {1, 0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0x65, 0x04, 0, 6, 0, 24, 0};
    SpanChoice choice;
    choice.childStem = "out/take";
    choice.from = 2;
    const ChildSpans spans = {{0, 400, ""}, {400, 400, "Verse"}, {800, 300, ""}, {1000, 5, "past"}};
    const SplitPlan plan = planSpans(mother, spans, choice);
    ASSERT_EQ(plan.children.size(), 2u);
    const PlannedChild verse{2, 2400, 68 + 2400, "Verse"};
    const PlannedChild rest{3, 1200, 68 + 4800, ""};  // cut at the Mother's last frame
    EXPECT_EQ(plan.children[0], verse);
    EXPECT_EQ(plan.children[1], rest);
    EXPECT_EQ(plan.nextNumber, 5);
    EXPECT_EQ(childName(plan, verse), "out/take2-Verse.WAV");
    EXPECT_EQ(childName(plan, rest), "out/take3.WAV");
    const std::vector<std::uint8_t> header = childFileHeader(plan, verse);
    ASSERT_EQ(header.size(), 44u);
    EXPECT_EQ(childFileHeaderBytes(plan, verse), 44u);
    EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 20, header.begin() + 36), mother.fmtBody);
    EXPECT_EQ(header[40] | header[41] << 8, 2400);
}
