#include "planning/TimeZone.h"

#include <algorithm>
#include <cctype>

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

std::uint64_t bigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

// The day (days since 1970) of a change: the week-th weekday of the month, the 5th the last.
std::int64_t dayOfChange(std::int64_t year, const ZoneRule::Change& change)
{
    const std::int64_t first = daysOfDate(year, change.month, 1);
    const std::int64_t firstWeekday = ((first + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
    std::int64_t day = first + (change.weekday - firstWeekday + 7) % 7 + 7 * (change.week - 1);
    const std::int64_t nextMonth =
        change.month == 12 ? daysOfDate(year + 1, 1, 1) : daysOfDate(year, change.month + 1, 1);
    while (day >= nextMonth) {
        day -= 7;
    }
    return day;
}

ZoneOffset offsetOfRule(const ZoneRule& rule, std::int64_t utcSeconds)
{
    if (!rule.summer) {
        return rule.standard;
    }
    const std::int64_t year = civilOfSeconds(utcSeconds + rule.standard.seconds).year;
    const std::int64_t begins =
        dayOfChange(year, rule.begins) * SECONDS_PER_DAY + rule.begins.time - rule.standard.seconds;
    const std::int64_t ends = dayOfChange(year, rule.ends) * SECONDS_PER_DAY + rule.ends.time - rule.summer->seconds;
    const bool summer = begins < ends ? utcSeconds >= begins && utcSeconds < ends   // northern summer
                                      : utcSeconds >= begins || utcSeconds < ends;  // southern summer
    return summer ? *rule.summer : rule.standard;
}

// A reader of the rule's text, field by field.
class RuleReader {
public:
    explicit RuleReader(const std::string& text) : text_(text) {}

    bool done() const { return at_ == text_.size(); }
    bool peek(char c) const { return at_ < text_.size() && text_[at_] == c; }
    bool take(char c)
    {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    // "CET", or "<+0530>" for a zone known by its offset.
    std::optional<std::string> name()
    {
        const std::size_t from = at_;
        if (take('<')) {
            while (at_ < text_.size() && text_[at_] != '>') {
                ++at_;
            }
            return take('>') ? std::optional(text_.substr(from + 1, at_ - from - 2)) : std::nullopt;
        }
        while (at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_])) != 0) {
            ++at_;
        }
        return at_ - from >= 3 ? std::optional(text_.substr(from, at_ - from)) : std::nullopt;
    }

    // [+-]hh[:mm[:ss]] in seconds.
    std::optional<std::int32_t> time()
    {
        const bool negative = take('-');
        if (!negative) {
            take('+');
        }
        std::int32_t seconds = 0;
        for (std::int32_t scale = 3600; scale >= 1; scale /= 60) {
            const std::optional<std::int32_t> value = number();
            if (!value) {
                return std::nullopt;
            }
            seconds += *value * scale;
            if (scale == 1 || !take(':')) {
                break;
            }
        }
        return negative ? -seconds : seconds;
    }

    // ",Mm.w.d[/time]"
    std::optional<ZoneRule::Change> change()
    {
        ZoneRule::Change change;
        std::optional<std::int32_t> month;
        std::optional<std::int32_t> week;
        std::optional<std::int32_t> weekday;
        if (!take(',') || !take('M') || !(month = number()) || !take('.') || !(week = number()) || !take('.') ||
            !(weekday = number())) {
            return std::nullopt;
        }
        if (*month < 1 || *month > 12 || *week < 1 || *week > 5 || *weekday > 6) {
            return std::nullopt;
        }
        change.month = *month;
        change.week = *week;
        change.weekday = *weekday;
        if (take('/')) {
            const std::optional<std::int32_t> time = this->time();
            if (!time) {
                return std::nullopt;
            }
            change.time = *time;
        }
        return change;
    }

private:
    std::optional<std::int32_t> number()
    {
        const std::size_t from = at_;
        std::int32_t value = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) != 0 && at_ - from < 3) {
            value = value * 10 + (text_[at_++] - '0');
        }
        return at_ > from ? std::optional(value) : std::nullopt;
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

}  // namespace

ZoneOffset offsetAt(const TimeZone& zone, std::int64_t utcSeconds)
{
    if (zone.system) {
        return zone.system(utcSeconds);
    }
    const auto after = std::upper_bound(zone.transitions.begin(), zone.transitions.end(), utcSeconds,
                                        [](std::int64_t at, const ZoneTransition& t) { return at < t.at; });
    if (after == zone.transitions.begin()) {
        return zone.transitions.empty() && zone.rule ? offsetOfRule(*zone.rule, utcSeconds) : zone.first;
    }
    if (after == zone.transitions.end() && zone.rule) {
        return offsetOfRule(*zone.rule, utcSeconds);
    }
    return std::prev(after)->offset;
}

std::vector<std::int64_t> instantsOfWallTime(const TimeZone& zone, std::int64_t wallSeconds)
{
    // A wall time is read with each offset in force within a day of it; the offset that holds
    // at the instant so found is the one the clock showed.
    std::vector<std::int64_t> instants;
    for (const std::int64_t near : {wallSeconds - SECONDS_PER_DAY, wallSeconds, wallSeconds + SECONDS_PER_DAY}) {
        const std::int64_t at = wallSeconds - offsetAt(zone, near).seconds;
        if (offsetAt(zone, at).seconds == wallSeconds - at &&
            std::find(instants.begin(), instants.end(), at) == instants.end()) {
            instants.push_back(at);
        }
    }
    std::sort(instants.begin(), instants.end());
    return instants;
}

LocalTime localTimeAt(const TimeZone& zone, Instant at)
{
    const std::int64_t seconds = floorDiv(at, NANOS_PER_SECOND);
    const ZoneOffset offset = offsetAt(zone, seconds);
    return {civilOfSeconds(seconds + offset.seconds, at - seconds * NANOS_PER_SECOND), offset};
}

Instant instantOfWallTime(const TimeZone& zone, const CivilTime& civil)
{
    const std::int64_t wall = secondsOfCivil(civil);
    const std::vector<std::int64_t> instants = instantsOfWallTime(zone, wall);
    const std::int64_t seconds =
        instants.empty() ? wall - offsetAt(zone, wall - SECONDS_PER_DAY).seconds : instants.front();
    return seconds * NANOS_PER_SECOND + civil.nanos;
}

TimeZone fixedZone(std::int32_t offsetSeconds, std::string name)
{
    TimeZone zone;
    zone.name = std::move(name);
    zone.first = {offsetSeconds, offsetSeconds == 0 ? "UTC" : offsetText(offsetSeconds)};
    return zone;
}

std::optional<ZoneRule> zoneRuleOf(const std::string& text)
{
    RuleReader reader(text);
    ZoneRule rule;
    const std::optional<std::string> standard = reader.name();
    const std::optional<std::int32_t> west = standard ? reader.time() : std::nullopt;
    if (!west) {
        return std::nullopt;
    }
    rule.standard = {-*west, *standard};
    if (reader.done()) {
        return rule;
    }
    const std::optional<std::string> summer = reader.name();
    if (!summer) {
        return std::nullopt;
    }
    std::int32_t summerOffset = rule.standard.seconds + 3600;  // an hour ahead unless it says
    if (!reader.done() && !reader.peek(',')) {
        const std::optional<std::int32_t> summerWest = reader.time();
        if (!summerWest) {
            return std::nullopt;
        }
        summerOffset = -*summerWest;
    }
    const std::optional<ZoneRule::Change> begins = reader.change();
    const std::optional<ZoneRule::Change> ends = begins ? reader.change() : std::nullopt;
    if (!ends || !reader.done()) {
        return std::nullopt;
    }
    rule.summer = ZoneOffset{summerOffset, *summer};
    rule.begins = *begins;
    rule.ends = *ends;
    return rule;
}

std::optional<TimeZone> zoneOfTzif(const std::vector<std::uint8_t>& bytes, std::string name)
{
    constexpr std::size_t HEADER = 44;
    // The header: "TZif", the version, 15 reserved bytes, then six counts.
    auto counts = [&](std::size_t at, std::size_t timeBytes) -> std::optional<std::pair<std::size_t, std::size_t>> {
        if (bytes.size() < at + HEADER || bytes[at] != 'T' || bytes[at + 1] != 'Z' || bytes[at + 2] != 'i' ||
            bytes[at + 3] != 'f') {
            return std::nullopt;
        }
        const auto count = [&](std::size_t i) {
            return static_cast<std::size_t>(bigEndian(bytes, at + 20 + 4 * i, 4));
        };
        const std::size_t body =
            count(0) + count(1) + count(2) * (timeBytes + 4) + count(3) * (timeBytes + 1) + count(4) * 6 + count(5);
        return std::pair{at + HEADER, body};
    };
    std::optional<std::pair<std::size_t, std::size_t>> block = counts(0, 4);
    if (!block) {
        return std::nullopt;
    }
    std::size_t timeBytes = 4;
    std::size_t headerAt = 0;
    if (bytes[4] >= '2') {
        headerAt = block->first + block->second;  // the 64-bit block follows the 32-bit one
        timeBytes = 8;
        block = counts(headerAt, 8);
        if (!block) {
            return std::nullopt;
        }
    }
    const auto count = [&](std::size_t i) {
        return static_cast<std::size_t>(bigEndian(bytes, headerAt + 20 + 4 * i, 4));
    };
    const std::size_t times = count(3);
    const std::size_t types = count(4);
    const std::size_t chars = count(5);
    std::size_t at = block->first;
    if (types == 0 || bytes.size() < at + block->second) {
        return std::nullopt;
    }
    const std::size_t indicesAt = at + times * timeBytes;
    const std::size_t typesAt = indicesAt + times;
    const std::size_t charsAt = typesAt + types * 6;
    const auto typeOf = [&](std::size_t type) {
        const auto seconds =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(bigEndian(bytes, typesAt + type * 6, 4)));
        std::size_t from = bytes[typesAt + type * 6 + 5];
        std::string abbreviation;
        for (; from < chars && bytes[charsAt + from] != 0; ++from) {
            abbreviation += static_cast<char>(bytes[charsAt + from]);
        }
        return ZoneOffset{seconds, abbreviation};
    };
    TimeZone zone;
    zone.name = std::move(name);
    zone.first = typeOf(0);
    for (std::size_t i = 0; i < times; ++i) {
        const std::uint64_t raw = bigEndian(bytes, at + i * timeBytes, timeBytes);
        const std::int64_t when = timeBytes == 8 ? static_cast<std::int64_t>(raw)
                                                 : static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
        const std::size_t type = bytes[indicesAt + i];
        if (type >= types) {
            return std::nullopt;
        }
        zone.transitions.push_back({when, typeOf(type)});
    }
    // The footer: the rule for the years after the table, between two line feeds.
    const std::size_t footer = at + block->second;
    if (timeBytes == 8 && footer < bytes.size() && bytes[footer] == '\n') {
        const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(footer) + 1, bytes.end(), '\n');
        zone.rule = zoneRuleOf(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(footer) + 1, end));
    }
    return zone;
}

ZoneChoice zoneOf(const std::string& name)
{
    if (name == "local") {
        return systemLocalZone();
    }
    if (name == "UTC" || name == "utc" || name == "Z") {
        return {fixedZone(0, "UTC"), {}};
    }
    if (!name.empty() && (name[0] == '+' || name[0] == '-')) {
        const std::optional<StartText> probe = parseStartText("1970-01-01T00:00:00" + name);
        if (!probe || !probe->offset) {
            return {std::nullopt, "--tz " + name +
                                      ": expected local, UTC, an offset such as +05:30 or a zone name "
                                      "such as Europe/Berlin"};
        }
        return {fixedZone(*probe->offset, name), {}};
    }
    const bool plain =
        !name.empty() && name.find("..") == std::string::npos && name[0] != '/' &&
        std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '/' || c == '_' || c == '-' || c == '+';
        });
    if (!plain) {
        return {std::nullopt, "--tz " + (name.empty() ? std::string("\"\"") : name) +
                                  ": expected local, UTC, an offset such as +05:30 or a zone name such as "
                                  "Europe/Berlin"};
    }
    return systemNamedZone(name);
}
