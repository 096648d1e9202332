// The names the wall clock gives the Children: a pattern of the Child's start in its zone
// (strftime's %Y %m %d %H %M %S %j %z %Z %%, and %N for its number), made unique within a run.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

#include "planning/ClockTime.h"
#include "planning/TimeZone.h"
#include "wav/ChildMetadata.h"

// The pattern's first fault ("%q": no such field, a "%" at its end, an empty pattern, a folder
// named "..", a name starting with "/"), as a sentence; none when it is good.
std::optional<std::string> clockPatternProblem(const std::string& pattern);

// The pattern filled with the wall time, its offset and the number padded to `digits`.
std::string clockText(const std::string& pattern, const LocalTime& local, std::int32_t number, std::uint32_t digits);

// The clock of a split: the Mother's start, the zone its times are told in, and how the Children
// are named by it.
struct ChildClock {
    ClockStart start;
    std::shared_ptr<const TimeZone> zone;
    std::string pattern;   // empty: the Children keep their numbered names
    bool asTitle = false;  // the text is the title after stem and number, not the whole name
};

// A Child's start on the wall clock.
LocalTime childStartAt(const ChildClock& clock, std::uint64_t firstFrame);

// The names given so far in one run: a name given again (the hour repeated when clocks go back)
// gets its offset from UTC appended, and should that be taken too, its number.
class ClockNames {
public:
    std::string next(const ChildClock& clock, std::int32_t number, std::uint64_t firstFrame, std::uint32_t digits);

private:
    std::unordered_set<std::string> taken_;
};

// A bext's date and time fields and TimeReference for a Child starting at this frame: its start
// on the wall clock, and the samples from that day's midnight to it.
BextTime bextTimeAt(const ChildClock& clock, std::uint64_t firstFrame);

// ISO 8601 with the offset: "2026-12-10T14:00:00+01:00", fractions of a second when there are.
std::string isoText(const LocalTime& local);
