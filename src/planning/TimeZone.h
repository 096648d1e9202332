// A time zone as a value: the offset from UTC it gives at each instant and the abbreviation it
// goes by then. Read from a zone file of the system's database (TZif, with the rule its last line
// gives for the years after its table), made from a fixed offset, or, where the system keeps its
// own zone by other means (Windows), asked of the system instant by instant. The process's TZ
// variable is neither read nor set.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "planning/ClockTime.h"

struct ZoneOffset {
    std::int32_t seconds = 0;  // east of UTC
    std::string abbreviation;  // "CET", "CEST"; the offset as "+0530" where the zone has none

    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

// The daylight-saving rule of a zone file's last line ("CET-1CEST,M3.5.0,M10.5.0/3"): standard
// time, and, when it has one, summer time from one day of the year to another, each day given as
// the nth (5: the last) weekday of a month and a time of day in the time it ends.
struct ZoneRule {
    ZoneOffset standard;
    std::optional<ZoneOffset> summer;
    struct Change {
        int month = 3;
        int week = 5;              // 1..5, 5 for the last
        int weekday = 0;           // 0 for Sunday
        std::int32_t time = 7200;  // seconds after midnight, local time before the change
    };
    Change begins;
    Change ends;
};

struct ZoneTransition {
    std::int64_t at = 0;  // UTC seconds since 1970
    ZoneOffset offset;    // from then on
};

struct TimeZone {
    std::string name;
    ZoneOffset first;  // before the first transition, or always when there is none
    std::vector<ZoneTransition> transitions;
    std::optional<ZoneRule> rule;  // after the last transition
    // Where the system answers for the zone itself: its offset at UTC seconds.
    std::function<ZoneOffset(std::int64_t)> system;
};

// The zone's offset at an instant (UTC seconds since 1970).
ZoneOffset offsetAt(const TimeZone& zone, std::int64_t utcSeconds);

// The instants (UTC seconds, in order) at which the zone's clock shows this wall time: one, two
// in the hour repeated when the clocks go back, none in the hour skipped when they go forward.
std::vector<std::int64_t> instantsOfWallTime(const TimeZone& zone, std::int64_t wallSeconds);

// The wall time at an instant, with its nanoseconds, and the offset it is told with.
struct LocalTime {
    CivilTime civil;
    ZoneOffset offset;
};
LocalTime localTimeAt(const TimeZone& zone, Instant at);

// The instant of a wall time in the zone; in the repeated hour the earlier one, in a skipped hour
// the time read with the offset before the change.
Instant instantOfWallTime(const TimeZone& zone, const CivilTime& civil);

// A zone of this fixed offset, named as "+05:30" is.
TimeZone fixedZone(std::int32_t offsetSeconds, std::string name);

// The zone a zone file holds; none when the bytes are no zone file.
std::optional<TimeZone> zoneOfTzif(const std::vector<std::uint8_t>& bytes, std::string name);

// The rule of a zone file's last line; none when it is not one this reader knows.
std::optional<ZoneRule> zoneRuleOf(const std::string& text);

// --tz as given: "local", "UTC", a fixed offset ("+05:30", "-0800", "Z") or a name of the
// system's zone database; or why it cannot be had, a sentence naming the zone.
struct ZoneChoice {
    std::optional<TimeZone> zone;
    std::string problem;
};
ZoneChoice zoneOf(const std::string& name);

// The system's own zone, and a zone of its database by name (each system's own file).
ZoneChoice systemLocalZone();
ZoneChoice systemNamedZone(const std::string& name);
