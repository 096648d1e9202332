#include "planning/ClockNames.h"

#include <string_view>

namespace {

__extension__ using Wide = __int128;

std::string padded(std::int64_t value, std::size_t width)
{
    const std::string shown = std::to_string(value);
    return std::string(width > shown.size() ? width - shown.size() : 0, '0') + shown;
}

constexpr std::string_view FIELDS = "YmdHMSjzZN%";

}  // namespace

std::optional<std::string> clockPatternProblem(const std::string& pattern)
{
    if (pattern.empty()) {
        return "--time-name \"\": expected a pattern such as %Y-%m-%d_%H-%M-%S";
    }
    if (pattern[0] == '/') {
        return "--time-name " + pattern + ": the names are made beside the stem's folder, not from /";
    }
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] != '%') {
            continue;
        }
        if (at + 1 == pattern.size() || FIELDS.find(pattern[at + 1]) == std::string_view::npos) {
            return "--time-name " + pattern + ": %" + pattern.substr(at + 1, 1) +
                   " is none of %Y %m %d %H %M %S %j %z %Z %N %%";
        }
        ++at;
    }
    const std::string parts = "/" + pattern + "/";
    if (parts.find("/../") != std::string::npos || parts.find("/./") != std::string::npos ||
        parts.find("//") != std::string::npos) {
        return "--time-name " + pattern + ": a folder of the names may not be empty, . or ..";
    }
    return std::nullopt;
}

std::string clockText(const std::string& pattern, const LocalTime& local, std::int32_t number, std::uint32_t digits)
{
    const CivilTime& civil = local.civil;
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] != '%' || at + 1 == pattern.size()) {
            text += pattern[at];
            continue;
        }
        switch (pattern[++at]) {
        case 'Y': text += padded(civil.year, 4); break;
        case 'm': text += padded(civil.month, 2); break;
        case 'd': text += padded(civil.day, 2); break;
        case 'H': text += padded(civil.hour, 2); break;
        case 'M': text += padded(civil.minute, 2); break;
        case 'S': text += padded(civil.second, 2); break;
        case 'j': text += padded(dayOfYear(civil), 3); break;
        case 'z': text += offsetText(local.offset.seconds); break;
        case 'Z': text += local.offset.abbreviation; break;
        case 'N': text += padded(number, digits); break;
        default: text += pattern[at]; break;  // "%%", and what the pattern's check refuses
        }
    }
    return text;
}

LocalTime childStartAt(const ChildClock& clock, std::uint64_t firstFrame)
{
    return localTimeAt(*clock.zone, instantOfFrame(clock.start, firstFrame));
}

std::string ClockNames::next(const ChildClock& clock, std::int32_t number, std::uint64_t firstFrame,
                             std::uint32_t digits)
{
    const LocalTime local = childStartAt(clock, firstFrame);
    std::string name = clockText(clock.pattern, local, number, digits);
    if (taken_.count(name) != 0) {
        name += offsetText(local.offset.seconds);
    }
    if (taken_.count(name) != 0) {
        name += '-';
        name += std::to_string(number);
    }
    taken_.insert(name);
    return name;
}

BextTime bextTimeAt(const ChildClock& clock, std::uint64_t firstFrame)
{
    const ClockStart& start = clock.start;
    const std::int32_t offset = childStartAt(clock, firstFrame).offset.seconds;
    // The Child's start on the wall clock, in nanoseconds times the rate, so that it is exact.
    const Wide rate = start.rate;
    const Wide wall = (static_cast<Wide>(start.base) + static_cast<Wide>(offset) * NANOS_PER_SECOND) * rate +
                      (static_cast<Wide>(start.frames) + static_cast<Wide>(firstFrame)) * NANOS_PER_SECOND;
    const Wide day = static_cast<Wide>(SECONDS_PER_DAY) * NANOS_PER_SECOND * rate;
    const Wide days = wall / day - (wall % day < 0 ? 1 : 0);
    const Wide ofDay = wall - days * day;  // from midnight, in nanoseconds times the rate
    const CivilTime civil = civilOfSeconds(static_cast<std::int64_t>(days) * SECONDS_PER_DAY +
                                           static_cast<std::int64_t>(ofDay / (rate * NANOS_PER_SECOND)));
    BextTime time;
    time.date = padded(civil.year, 4) + "-" + padded(civil.month, 2) + "-" + padded(civil.day, 2);
    time.time = padded(civil.hour, 2) + ":" + padded(civil.minute, 2) + ":" + padded(civil.second, 2);
    time.timeReference = static_cast<std::uint64_t>(ofDay / NANOS_PER_SECOND);
    return time;
}

std::string isoText(const LocalTime& local)
{
    const CivilTime& civil = local.civil;
    std::string text = padded(civil.year, 4) + "-" + padded(civil.month, 2) + "-" + padded(civil.day, 2) + "T" +
                       padded(civil.hour, 2) + ":" + padded(civil.minute, 2) + ":" + padded(civil.second, 2);
    if (civil.nanos != 0) {
        std::string fraction = padded(civil.nanos, 9);
        while (fraction.back() == '0') {
            fraction.pop_back();
        }
        text += "." + fraction;
    }
    return text + (local.offset.seconds == 0 && local.offset.abbreviation == "UTC"
                       ? "Z"
                       : offsetText(local.offset.seconds, true));
}
