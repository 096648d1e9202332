#include "planning/ClockCuts.h"
#include "planning/ClockNames.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Central Europe as its zone file's last line gives it, so that no test needs the machine's database.
ChildClock clockIn(const char* rule, const char* start, std::uint32_t rate, const char* pattern)
{
    ChildClock clock;
    TimeZone zone;
    zone.name = rule;
    zone.rule = zoneRuleOf(rule);
    EXPECT_TRUE(zone.rule) << rule;
    clock.zone = std::make_shared<const TimeZone>(zone);
    const std::optional<StartText> text = parseStartText(start);
    EXPECT_TRUE(text && text->offset) << start;
    clock.start = {secondsOfCivil(text->civil) * NANOS_PER_SECOND + text->civil.nanos -
                       static_cast<Instant>(*text->offset) * NANOS_PER_SECOND,
                   0, rate};
    clock.pattern = pattern;
    return clock;
}

constexpr char BERLIN[] = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr char UTC[] = "UTC0";

struct Named {
    std::uint64_t firstFrame;
    std::uint64_t frames;
    std::string name;
};

std::vector<Named> namedSpans(const ChildClock& clock, std::int64_t period, std::uint64_t motherFrames)
{
    std::vector<Named> named;
    ClockNames names;
    std::int32_t number = 1;
    for (const ChildSpan& span : alignedSpans(clock.start, *clock.zone, period, motherFrames)) {
        named.push_back({span.firstFrame, span.frames, names.next(clock, number++, span.firstFrame, 0)});
    }
    return named;
}

void expectSpans(const std::vector<Named>& got, const std::vector<Named>& expected)
{
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("child " + std::to_string(i + 1));
        EXPECT_EQ(got[i].firstFrame, expected[i].firstFrame);
        EXPECT_EQ(got[i].frames, expected[i].frames);
        EXPECT_EQ(got[i].name, expected[i].name);
    }
}

constexpr std::int64_t MINUTE = 60 * NANOS_PER_SECOND;
constexpr std::int64_t HOUR = 60 * MINUTE;

}  // namespace

TEST(ClockTime, ReadsIsoStartsAndRefusesWhatIsNone)
{
    struct Case {
        const char* text;
        CivilTime civil;
        std::optional<std::int32_t> offset;
    };
    const Case cases[] = {
        {"2026-12-10T13:59:30", {2026, 12, 10, 13, 59, 30, 0}, std::nullopt},
        {"2026-12-10 13:59:30.25Z", {2026, 12, 10, 13, 59, 30, 250000000}, 0},
        {"2024-02-29T00:00:00.0000000019+01:00", {2024, 2, 29, 0, 0, 0, 1}, 3600},
        {"2026-06-01T23:59:59-0530", {2026, 6, 1, 23, 59, 59, 0}, -19800},
        {"2026-06-01T12:00:00+09", {2026, 6, 1, 12, 0, 0, 0}, 32400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<StartText> read = parseStartText(c.text);
        ASSERT_TRUE(read);
        EXPECT_FALSE(read->now);
        EXPECT_EQ(read->civil, c.civil);
        EXPECT_EQ(read->offset, c.offset);
    }
    EXPECT_TRUE(parseStartText("now")->now);
    for (const char* refused :
         {"", "today", "2026-13-10T00:00:00", "2026-02-29T00:00:00", "2026-12-10T24:00:00", "2026-12-10T13:59",
          "2026-12-10T13:59:30.", "2026-12-10T13:59:30+25:00", "2026-12-10T13:59:30 UTC", "2026/12/10T13:59:30"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(parseStartText(refused));
    }
}

TEST(ClockTime, CountsDaysAndFramesInIntegers)
{
    EXPECT_EQ(daysOfDate(1970, 1, 1), 0);
    EXPECT_EQ(daysOfDate(2026, 12, 10), 20797);
    EXPECT_EQ(daysOfDate(1969, 12, 31), -1);
    EXPECT_EQ(dateOfDays(20797), (CivilTime{2026, 12, 10, 0, 0, 0, 0}));
    EXPECT_EQ(dateOfDays(-719468), (CivilTime{0, 3, 1, 0, 0, 0, 0}));
    EXPECT_EQ(dayOfYear({2024, 12, 31, 0, 0, 0, 0}), 366);
    // One sample after a whole second at 48 kHz: the boundary a second on is 47 999 frames on,
    // where a start rounded to the nanosecond would make it 48 000.
    const ClockStart start{1000 * NANOS_PER_SECOND, 1, 48000};
    EXPECT_EQ(frameAtOrAfter(start, 1001 * NANOS_PER_SECOND), 47999);
    EXPECT_EQ(instantOfFrame(start, 47999), 1001 * NANOS_PER_SECOND);
    EXPECT_EQ(frameAtOrAfter({0, 0, 44100}, NANOS_PER_SECOND / 3), 14700);
    EXPECT_EQ(frameAtOrAfter({0, 0, 44100}, NANOS_PER_SECOND / 3 + 1), 14701);
}

TEST(TimeZone, GivesTheOffsetAndTheWallTimesOfEachInstant)
{
    TimeZone berlin;
    berlin.rule = zoneRuleOf(BERLIN);
    const std::int64_t october25 = daysOfDate(2026, 10, 25) * SECONDS_PER_DAY;
    const std::int64_t march29 = daysOfDate(2026, 3, 29) * SECONDS_PER_DAY;
    struct Case {
        std::int64_t utc;
        ZoneOffset offset;
    };
    const Case cases[] = {
        {october25 + 3600 - 1, {7200, "CEST"}},
        {october25 + 3600, {3600, "CET"}},
        {march29 + 3600 - 1, {3600, "CET"}},
        {march29 + 3600, {7200, "CEST"}},
        {daysOfDate(2026, 12, 10) * SECONDS_PER_DAY, {3600, "CET"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utc);
        EXPECT_EQ(offsetAt(berlin, c.utc), c.offset);
    }
    // 02:30 happens twice when the clocks go back and not at all when they go forward.
    EXPECT_EQ(instantsOfWallTime(berlin, october25 + 9000),
              (std::vector<std::int64_t>{october25 + 1800, october25 + 5400}));
    EXPECT_TRUE(instantsOfWallTime(berlin, march29 + 9000).empty());
    EXPECT_EQ(instantsOfWallTime(berlin, march29 + 3 * 3600), (std::vector<std::int64_t>{march29 + 3600}));

    TimeZone south;  // summer across the new year
    south.rule = zoneRuleOf("AEST-10AEDT,M10.1.0,M4.1.0/3");
    ASSERT_TRUE(south.rule);
    EXPECT_EQ(offsetAt(south, daysOfDate(2026, 1, 15) * SECONDS_PER_DAY).seconds, 39600);
    EXPECT_EQ(offsetAt(south, daysOfDate(2026, 7, 15) * SECONDS_PER_DAY).seconds, 36000);
    EXPECT_EQ(zoneRuleOf("<+0530>-5:30")->standard, (ZoneOffset{19800, "+0530"}));
    EXPECT_FALSE(zoneRuleOf("CET-1CEST,J60,J300"));
}

TEST(TimeZone, ReadsTheSystemsZoneFileAsItsRuleSaysWhereItHasOne)
{
    const ZoneChoice named = zoneOf("Europe/Berlin");
    if (!named.zone) {
        GTEST_SKIP() << named.problem;
    }
    TimeZone rule;
    rule.rule = zoneRuleOf(BERLIN);
    for (std::int64_t at = daysOfDate(2026, 1, 1) * SECONDS_PER_DAY; at < daysOfDate(2028, 1, 1) * SECONDS_PER_DAY;
         at += 3 * 3600 + 17) {
        ASSERT_EQ(offsetAt(*named.zone, at), offsetAt(rule, at)) << at;
    }
    EXPECT_EQ(zoneOf("Mars/Olympus_Mons").problem.rfind("--tz Mars/Olympus_Mons: no such zone", 0), 0u);
    EXPECT_EQ(zoneOf("../etc/passwd").problem,
              "--tz ../etc/passwd: expected local, UTC, an offset such as +05:30 or a zone name such as Europe/Berlin");
    EXPECT_EQ(zoneOf("+05:30").zone->first, (ZoneOffset{19800, "+0530"}));
    EXPECT_EQ(zoneOf("UTC").zone->first, (ZoneOffset{0, "UTC"}));
}

TEST(ClockCuts, CutsAtTheBoundariesOfTheDayAndNamesEachChildByItsStart)
{
    // The 125 s Mother at 48 kHz from 13:59:30, a minute at a time.
    expectSpans(namedSpans(clockIn(UTC, "2026-12-10T13:59:30Z", 48000, "%Y-%m-%d_%H-%M-%S"), MINUTE, 125 * 48000),
                {{0, 1440000, "2026-12-10_13-59-30"},
                 {1440000, 2880000, "2026-12-10_14-00-00"},
                 {4320000, 1680000, "2026-12-10_14-01-00"}});
    // Berlin when the clocks go back: two Children for the hour from 02:00, the second with its offset.
    expectSpans(namedSpans(clockIn(BERLIN, "2026-10-25T00:30:00+02:00", 8, "%H-%M_%Z"), HOUR, 4 * 3600 * 8),
                {{0, 1800 * 8, "00-30_CEST"},
                 {1800 * 8, 3600 * 8, "01-00_CEST"},
                 {5400 * 8, 3600 * 8, "02-00_CEST"},
                 {9000 * 8, 3600 * 8, "02-00_CET"},
                 {12600 * 8, 1800 * 8, "03-00_CET"}});
    // A name taken in the same run gets its offset; the skipped hour of spring gives no Child.
    const std::vector<Named> autumn =
        namedSpans(clockIn(BERLIN, "2026-10-25T00:30:00+02:00", 8, "%Y-%m-%d_%H-%M-%S"), HOUR, 4 * 3600 * 8);
    ASSERT_EQ(autumn.size(), 5u);
    EXPECT_EQ(autumn[2].name, "2026-10-25_02-00-00");
    EXPECT_EQ(autumn[3].name, "2026-10-25_02-00-00+0100");
    expectSpans(namedSpans(clockIn(BERLIN, "2026-03-29T00:30:00+01:00", 8, "%H:%M%z"), HOUR, 3 * 3600 * 8),
                {{0, 1800 * 8, "00:30+0100"},
                 {1800 * 8, 3600 * 8, "01:00+0100"},
                 {5400 * 8, 3600 * 8, "03:00+0200"},
                 {9000 * 8, 1800 * 8, "04:00+0200"}});
    // A start on a boundary begins a whole piece; a day's period cuts at midnight.
    expectSpans(namedSpans(clockIn(UTC, "2026-12-10T14:00:00Z", 10, "%j"), 15 * MINUTE, 1800 * 10),
                {{0, 9000, "344"}, {9000, 9000, "344+0000"}});
    expectSpans(namedSpans(clockIn(BERLIN, "2026-12-31T23:00:00+01:00", 1, "%Y%m%d"), 24 * HOUR, 7200),
                {{0, 3600, "20261231"}, {3600, 3600, "20270101"}});
}

TEST(ClockCuts, TakesOnlyLengthsThatDivideADay)
{
    EXPECT_EQ(alignPeriodOf({false, 0, 60, 1}), MINUTE);
    EXPECT_EQ(alignPeriodOf({false, 0, 1, 2}), NANOS_PER_SECOND / 2);
    EXPECT_EQ(alignPeriodOf({false, 0, 86400, 1}), 24 * HOUR);
    for (const TimeLength refused : {TimeLength{false, 0, 420, 1}, TimeLength{false, 0, 172800, 1},
                                     TimeLength{true, 480000, 0, 1}, TimeLength{false, 0, 1, 3}}) {
        SCOPED_TRACE(refused.numerator);
        EXPECT_FALSE(alignPeriodOf(refused));
    }
}

namespace {

ChunkBody bextAt(const char* date, const char* time, std::uint64_t timeReference)
{
    ChunkBody bext(602, 0);
    std::copy(date, date + 10, bext.begin() + 320);
    std::copy(time, time + 8, bext.begin() + 330);
    for (int i = 0; i < 8; ++i) {
        bext[338 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(timeReference >> (8 * i));
    }
    return bext;
}

}  // namespace

TEST(ClockCuts, ReadsTheStartOfABextAndDatesEachChildAtItsOwn)
{
    TimeZone utc = fixedZone(0, "UTC");
    const std::int64_t december10 = daysOfDate(2026, 12, 10) * SECONDS_PER_DAY * NANOS_PER_SECOND;
    struct Case {
        const char* what;
        ChunkBody bext;
        std::optional<ClockStart> start;
        std::string warning;
    };
    const std::uint64_t half = std::uint64_t{23 * 3600 + 30 * 60} * 48000;
    const Case cases[] = {
        {"the TimeReference's time", bextAt("2026-12-10", "23:30:01", half + 7),
         ClockStart{december10, std::int64_t(half + 7), 48000}, ""},
        {"any separator", bextAt("2026:12:10", "23-30-00", half), ClockStart{december10, std::int64_t(half), 48000},
         ""},
        {"the OriginationTime when the TimeReference is far", bextAt("2026-12-10", "23:30:03", half),
         ClockStart{december10 + (23 * 3600 + 1803) * NANOS_PER_SECOND, 0, 48000},
         "its TimeReference (4060800000 samples) is not within 2 s of its OriginationTime 23:30:03: the start is its "
         "OriginationTime"},
        {"no date", bextAt("          ", "23:30:00", half), std::nullopt, ""},
        {"a month 13", bextAt("2026-13-10", "23:30:00", half), std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<BextStart> read = startOfBext(c.bext, 48000, utc);
        ASSERT_EQ(read.has_value(), c.start.has_value());
        if (read) {
            EXPECT_EQ(read->start, *c.start);
            EXPECT_EQ(read->warning, c.warning);
        }
    }
    // The Child from the next midnight on: the next day, and 0 samples since its midnight.
    ChildClock clock;
    clock.zone = std::make_shared<const TimeZone>(utc);
    clock.start = startOfBext(bextAt("2026-12-10", "23:30:00", half), 48000, utc)->start;
    EXPECT_EQ(nextAlignedCut(clock.start, *clock.zone, HOUR, 0), 30u * 60 * 48000);
    EXPECT_EQ(bextTimeAt(clock, 30u * 60 * 48000), (BextTime{"2026-12-11", "00:00:00", 0}));
    EXPECT_EQ(bextTimeAt(clock, 48000 * 60 + 5), (BextTime{"2026-12-10", "23:31:00", half + 48000 * 60 + 5}));
    TimeZone berlin;
    berlin.rule = zoneRuleOf(BERLIN);
    clock.zone = std::make_shared<const TimeZone>(berlin);
    EXPECT_EQ(bextTimeAt(clock, 0), (BextTime{"2026-12-11", "00:30:00", 30u * 60 * 48000}));
}

TEST(ClockNames, FillsThePatternAndRefusesWhatItCannotFill)
{
    const LocalTime local{{2026, 2, 3, 4, 5, 6, 0}, {-9000, "-0230"}};
    EXPECT_EQ(clockText("%Y/%m/%d_%H%M%S %j %z %Z %N %% x", local, 7, 3), "2026/02/03_040506 034 -0230 -0230 007 % x");
    EXPECT_EQ(clockText("%N", local, 1234, 2), "1234");
    EXPECT_EQ(isoText(local), "2026-02-03T04:05:06-02:30");
    EXPECT_EQ(isoText({{2026, 2, 3, 4, 5, 6, 500000000}, {0, "UTC"}}), "2026-02-03T04:05:06.5Z");
    EXPECT_FALSE(clockPatternProblem("%Y-%m-%d/%H-%M-%S_%N"));
    const std::pair<const char*, const char*> refused[] = {
        {"", "--time-name \"\": expected a pattern such as %Y-%m-%d_%H-%M-%S"},
        {"%Y-%q", "--time-name %Y-%q: %q is none of %Y %m %d %H %M %S %j %z %Z %N %%"},
        {"take%", "--time-name take%: % is none of %Y %m %d %H %M %S %j %z %Z %N %%"},
        {"/%Y", "--time-name /%Y: the names are made beside the stem's folder, not from /"},
        {"../%Y", "--time-name ../%Y: a folder of the names may not be empty, . or .."},
        {"%Y//%m", "--time-name %Y//%m: a folder of the names may not be empty, . or .."},
    };
    for (const auto& [pattern, problem] : refused) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(clockPatternProblem(pattern).value_or("good"), problem);
    }
}
