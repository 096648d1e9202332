// Time on the wall clock as integers: an instant is nanoseconds since 1970-01-01T00:00:00 UTC, a
// date and a time of day are their calendar fields (the proleptic Gregorian calendar), and a
// Mother's start is counted to its samples exactly, so that the cuts at the clock's boundaries
// fall on the same frames whatever machine computes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

using Instant = std::int64_t;  // nanoseconds since 1970-01-01T00:00:00 UTC

inline constexpr std::int64_t NANOS_PER_SECOND = 1'000'000'000;
inline constexpr std::int64_t SECONDS_PER_DAY = 86'400;

// A day's calendar fields and a time of day, with the nanoseconds of its second.
struct CivilTime {
    std::int64_t year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::int64_t nanos = 0;

    friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// Days since 1970-01-01 of a date, and back.
std::int64_t daysOfDate(std::int64_t year, int month, int day);
CivilTime dateOfDays(std::int64_t days);

// The fields as seconds (and their nanoseconds) counted from 1970-01-01T00:00:00 of the same clock.
std::int64_t secondsOfCivil(const CivilTime& civil);
CivilTime civilOfSeconds(std::int64_t seconds, std::int64_t nanos = 0);

// The day of the year, from 1.
int dayOfYear(const CivilTime& civil);

// A --start as written: ISO 8601 date and time ("2026-12-10T13:59:30", a space for the "T",
// fractions of a second, "Z" or "+01:00"/"+0100"/"-05"), or "now".
struct StartText {
    bool now = false;
    CivilTime civil;                     // the date and time written
    std::optional<std::int32_t> offset;  // seconds east of UTC when written; none: in the zone asked
};

// None when the text is no such time.
std::optional<StartText> parseStartText(const std::string& text);

// The Mother's first sample in time, exactly: `base` and then `frames` samples at `rate`. A start
// read from a bext is its day's midnight and its TimeReference; one written is its instant and 0.
struct ClockStart {
    Instant base = 0;
    std::int64_t frames = 0;
    std::uint32_t rate = 1;

    friend bool operator==(const ClockStart&, const ClockStart&) = default;
};

// The instant of the Mother's frame, to the nanosecond below.
Instant instantOfFrame(const ClockStart& start, std::uint64_t frame);

// The Mother's first frame at or after the instant (ceil((at - start) x rate)), which may lie
// before its first frame (negative) or past its last.
std::int64_t frameAtOrAfter(const ClockStart& start, Instant at);

// "+0100", "-0530": an offset in seconds east of UTC as hours and minutes.
std::string offsetText(std::int32_t offsetSeconds, bool withColon = false);
