#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ParsedOptions parse(std::vector<std::string> args) { return parseOptions(args); }

}  // namespace

TEST(CliOptions, EveryTakesTheLengthsTheTimeCutsCanChoose)
{
    EXPECT_EQ(parseHundredths("10s"), 1000u);
    EXPECT_EQ(parseHundredths("10"), 1000u);
    EXPECT_EQ(parseHundredths("0.25s"), 25u);
    EXPECT_EQ(parseHundredths("0.250s"), 25u);
    EXPECT_EQ(parseHundredths("1.5"), 150u);
    EXPECT_EQ(parseHundredths("0.01s"), 1u);
    EXPECT_EQ(parseHundredths("24347.88s"), 2434788u);  // 2 434 788 x 1764 bytes still fits in 32 bits
    for (const char* refused :
         {"0.125s", "0s", "0.00", "24347.89s", "", "s", ".5", "-1s", "1e3", "10 s", "10ms", "99999999999s"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(parseHundredths(refused).has_value());
    }
}

TEST(CliOptions, EveryTakesDurationsAsPeopleWriteThem)
{
    // clang-format off
    const std::pair<const char*, TimeLength> cases[] = {
        {"10s",          {false, 0, 10, 1}},
        {"10",           {false, 0, 10, 1}},
        {"0.25s",        {false, 0, 1, 4}},
        {"250ms",        {false, 0, 1, 4}},
        {"0.5ms",        {false, 0, 1, 2000}},
        {"10m",          {false, 0, 600, 1}},
        {"1.5h",         {false, 0, 5400, 1}},
        {"1:30",         {false, 0, 90, 1}},
        {"01:02:03.5",   {false, 0, 7447, 2}},
        {"0:00.000001",  {false, 0, 1, 1000000}},
        {"480000f",      {true, 480000, 0, 1}},
        {"3.14159265358979323", {false, 0, 314159265358979323, 100000000000000000}},
    };
    // clang-format on
    for (const auto& [text, length] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseDuration(text), length);
    }
    for (const char* refused : {"0s", "0", "0f", "0:00", "", "s", "f", ".5", "5.", "-1s", "1e3", "10 s", "1:60",
                                "1:60:00", "1:2:3:4", "1.5f", "10x", "1000000000000s", "3.1415926535897932384s"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(parseDuration(refused).has_value());
    }
}

TEST(CliOptions, ReadsEveryOptionInBothSpellings)
{
    const ParsedOptions parsed = parse(
        {"--every=0.5s", "--from", "3", "--name=out/kid.wav", "--block", "8388608", "--dry-run", "-q", "--digits", "4",
         "--resume", "--sync", "take.wav"});
    ASSERT_TRUE(parsed.options) << parsed.problem;
    const CliOptions& o = *parsed.options;
    EXPECT_EQ(o.motherPath, "take.wav");
    EXPECT_EQ(o.cut.rule, CutRule::Time);
    EXPECT_EQ(o.cut.every, (TimeLength{false, 0, 1, 2}));
    EXPECT_FALSE(o.cut.windowRules);
    EXPECT_EQ(o.cut.from, 3);
    EXPECT_EQ(o.name, "out/kid.wav");
    EXPECT_EQ(o.cut.blockBytes, 8388608u);
    EXPECT_TRUE(o.dryRun);
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.cut.digits, 4);
    EXPECT_TRUE(o.resume);
    EXPECT_TRUE(o.sync);
    EXPECT_EQ(parse({"--every", "1", "--digits=auto", "a.wav"}).options->cut.digits, DIGITS_OF_LAST_NUMBER);

    const ParsedOptions like = parse({"--like", "t.wav", "--default-header", "--window-rules", "--", "-take.wav"});
    ASSERT_TRUE(like.options) << like.problem;
    EXPECT_TRUE(like.options->cut.windowRules);
    EXPECT_EQ(like.options->cut.rule, CutRule::Like);
    EXPECT_EQ(like.options->cut.likePath, "t.wav");
    EXPECT_FALSE(like.options->cut.carryLikeHeader);
    EXPECT_EQ(like.options->motherPath, "-take.wav");

    const ParsedOptions silence = parse({"--at-silence", "--silence-db=-42.5", "--silence-min", "250ms", "--min-piece",
                                         "0", "--no-metadata", "take.wav"});
    ASSERT_TRUE(silence.options) << silence.problem;
    EXPECT_EQ(silence.options->cut.rule, CutRule::Silence);
    EXPECT_EQ(silence.options->cut.silenceDb, -42.5);
    EXPECT_EQ(silence.options->cut.silenceMin, (TimeLength{false, 0, 1, 4}));
    EXPECT_EQ(silence.options->cut.minPiece, (TimeLength{true, 0, 0, 1}));
    EXPECT_FALSE(silence.options->cut.metadata);
    const ParsedOptions defaults = parse({"--at-cue", "s.cue", "take.wav"});
    ASSERT_TRUE(defaults.options) << defaults.problem;
    EXPECT_EQ(defaults.options->cut.rule, CutRule::Cue);
    EXPECT_EQ(defaults.options->cut.marksPath, "s.cue");
    EXPECT_EQ(defaults.options->cut.silenceDb, -50.0);
    EXPECT_EQ(defaults.options->cut.silenceMin, (TimeLength{false, 0, 1, 1}));
    EXPECT_TRUE(defaults.options->cut.metadata);

    const ParsedOptions clock = parse({"--every", "15m", "--align", "--start=2026-12-10T13:59:30Z", "--tz", "+05:30",
                                       "--time-name", "%Y/%H%M", "-", "--name", "out/k"});
    ASSERT_TRUE(clock.options) << clock.problem;
    EXPECT_TRUE(clock.options->cut.align);
    EXPECT_EQ(clock.options->cut.start, "2026-12-10T13:59:30Z");
    EXPECT_EQ(clock.options->cut.zone, "+05:30");
    EXPECT_EQ(clock.options->cut.timeName, "%Y/%H%M");
    EXPECT_FALSE(clock.options->cut.timeAsTitle);
    EXPECT_TRUE(parse({"--at-silence", "--start", "now", "--name", "k", "-"}).options);

    const ParsedOptions pieces = parse({"take.wav", "--pieces", "4294967295"});
    ASSERT_TRUE(pieces.options) << pieces.problem;
    EXPECT_EQ(pieces.options->cut.pieces, 4294967295u);
    EXPECT_TRUE(pieces.options->cut.carryLikeHeader);
}

TEST(CliOptions, NamesWhatIsWrongWithALine)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"take.wav"},
         "no piece length: give --every, --pieces, --like, --at-markers, --at-labels, --at-cue or --at-silence"},
        {{"--every", "10s"}, "no MOTHER.wav given"},
        {{"--every", "10s", "--name", "x", "a.wav", "b.wav"},
         "--name: one MOTHER.wav only, not also b.wav (several take --into DIR)"},
        {{"--every", "10s", "--into", "d", "--name", "x", "a.wav"},
         "--into: not with --name, which names the Children's folder itself"},
        {{"--every", "10s", "--jobs", "65", "a.wav"}, "--jobs 65: expected the MOTHERs split at a time, from 1 to 64"},
        {{"--every", "10s", "--pieces", "3", "a.wav"},
         "--pieces: choose the piece length once, with one of --every, --pieces, --like, --at-markers, --at-labels, "
         "--at-cue or --at-silence"},
        {{"--at-markers", "--at-cue", "s.cue", "a.wav"},
         "--at-cue: choose the piece length once, with one of --every, --pieces, --like, --at-markers, --at-labels, "
         "--at-cue or --at-silence"},
        {{"--at-markers", "--window-rules", "a.wav"},
         "--window-rules: the window cuts by length only, not at marks or silences"},
        {{"--at-markers", "--silence-min", "2s", "a.wav"}, "--silence-min: only with --at-silence"},
        {{"--at-silence", "--silence-db", "3", "a.wav"},
         "--silence-db 3: expected a level in dBFS of 0 or below, such as -50 or -42.5"},
        {{"--at-silence", "--silence-db", "-50dB", "a.wav"},
         "--silence-db -50dB: expected a level in dBFS of 0 or below, such as -50 or -42.5"},
        {{"--at-silence", "--min-piece", "-1s", "a.wav"},
         "--min-piece -1s: expected a duration such as 1s, 500ms or 48000f"},
        {{"--at-labels=", "a.wav"}, "--at-labels \"\": expected a label list"},
        {{"--every", "10s", "--fast", "a.wav"}, "unknown option --fast"},
        {{"a.wav", "--every"}, "--every needs a value"},
        {{"--every", "1e3", "a.wav"},
         "--every 1e3: expected a duration such as 10s, 0.25s, 250ms, 10m, 1h, 1:30, 01:02:03.5 or 480000f"},
        {{"--like", "t.wav", "--default-header", "a.wav"},
         "--default-header: only with --window-rules (the Children otherwise keep the MOTHER's format)"},
        {{"--every", "0.125s", "--window-rules", "a.wav"},
         "--every 0.125s: expected a length the time cuts can choose: whole hundredths of a second from 0.01s to "
         "24347.88s (such as 10s, 0.25s, 1.5s)"},
        {{"--pieces", "0", "a.wav"}, "--pieces 0: expected a whole number of pieces from 1"},
        {{"--every", "1", "--from", "0", "a.wav"},
         "--from 0: expected the number of the first piece to write, from 1 to 2147483647"},
        {{"--every", "1", "--from", "2147483648", "a.wav"},
         "--from 2147483648: expected the number of the first piece to write, from 1 to 2147483647"},
        {{"--every", "1", "--block", "8388609", "a.wav"},
         "--block 8388609: expected a number of bytes from 1 to 8388608"},
        {{"--every", "1", "--name=", "a.wav"}, "--name \"\": expected a folder and stem such as out/take"},
        {{"--every", "1", "--digits", "11", "a.wav"},
         "--digits 11: expected auto or the digits of each Child's number, from 1 to 10"},
        {{"--every", "1", "--digits=0", "a.wav"},
         "--digits 0: expected auto or the digits of each Child's number, from 1 to 10"},
        {{"--every", "7m", "--align", "--start", "2026-12-10T13:59:30Z", "a.wav"},
         "--every 7m --align: the length must divide 24 hours, such as 1m, 15m or 1h"},
        {{"--every", "48000f", "--align", "a.wav"},
         "--every 48000f --align: the length must divide 24 hours, such as 1m, 15m or 1h"},
        {{"--pieces", "3", "--align", "a.wav"}, "--align: only with --every"},
        {{"--every", "1m", "--start", "2026-12-10", "a.wav"},
         "--start 2026-12-10: expected now or an ISO 8601 time such as 2026-12-10T13:59:30, "
         "2026-12-10T13:59:30.25Z or 2026-12-10T13:59:30+01:00"},
        {{"--every", "1m", "--start", "now", "a.wav"},
         "--start now: only for a MOTHER on standard input (-), whose samples arrive now"},
        {{"--every", "1m", "--tz", "+25:00", "a.wav"},
         "--tz +25:00: expected local, UTC, an offset such as +05:30 or a zone name such as Europe/Berlin"},
        {{"--every", "1m", "--time-name", "%H%k", "a.wav"},
         "--time-name %H%k: %k is none of %Y %m %d %H %M %S %j %z %Z %N %%"},
        {{"--every", "1h", "--time-name", "%H", "a.wav", "b.wav"},
         "--time-name: one MOTHER only, not also b.wav (the Children of two could bear the same times)"},
        {{"--every", "10s", "--window-rules", "--tz", "UTC", "a.wav"},
         "--window-rules: the window's rules count no wall clock (--start, --tz, --align, --time-name)"},
    };
    for (const auto& [args, problem] : cases) {
        SCOPED_TRACE(args.front());
        const ParsedOptions parsed = parse(args);
        EXPECT_FALSE(parsed.options);
        EXPECT_EQ(parsed.problem, problem);
    }
}

TEST(CliOptions, HelpAndVersionAnswerEvenAWrongLine)
{
    const ParsedOptions help = parse({"--fast", "--help"});
    ASSERT_TRUE(help.options);
    EXPECT_TRUE(help.options->help);
    const ParsedOptions version = parse({"--version", "a.wav", "b.wav"});
    ASSERT_TRUE(version.options);
    EXPECT_TRUE(version.options->version);
}

TEST(CliOptions, StemIsTheNameCutAtTheFirstDotOfItsLastPart)
{
    EXPECT_EQ(stemOf("take.wav"), "take");
    EXPECT_EQ(stemOf("take.final.wav"), "take");
    EXPECT_EQ(stemOf("./rec.v2/take.wav"), "./rec.v2/take");
    EXPECT_EQ(stemOf("D:\\my.music\\take.wav"), "D:\\my.music\\take");
    EXPECT_EQ(stemOf("out/kid"), "out/kid");
}
