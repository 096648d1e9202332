#include "planning/ClockTime.h"

#include <cctype>
#include <cstdlib>

namespace {

__extension__ using Wide = __int128;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

Wide floorDivWide(Wide a, Wide b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Digits at `at`, exactly `count` of them; none otherwise.
std::optional<int> digitsAt(const std::string& text, std::size_t at, std::size_t count)
{
    if (at + count > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int daysInMonth(std::int64_t year, int month)
{
    static constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : DAYS[month - 1];
}

// "Z", or a sign, two digits of hours and optionally two of minutes, with or without a colon.
std::optional<std::int32_t> offsetOf(const std::string& text)
{
    if (text == "Z" || text == "z") {
        return 0;
    }
    if (text.empty() || (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const std::optional<int> hours = digitsAt(text, 1, 2);
    std::optional<int> minutes = 0;
    if (text.size() == 6 && text[3] == ':') {
        minutes = digitsAt(text, 4, 2);
    } else if (text.size() == 5) {
        minutes = digitsAt(text, 3, 2);
    } else if (text.size() != 3) {
        return std::nullopt;
    }
    if (!hours || !minutes || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    const std::int32_t seconds = *hours * 3600 + *minutes * 60;
    return text[0] == '-' ? -seconds : seconds;
}

}  // namespace

std::int64_t daysOfDate(std::int64_t year, int month, int day)
{
    // Counted in eras of 400 years from 1 March, so that the leap day ends each year.
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilTime dateOfDays(std::int64_t days)
{
    const std::int64_t z = days + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilTime civil;
    civil.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    civil.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    civil.year = yearOfEra + era * 400 + (civil.month <= 2 ? 1 : 0);
    return civil;
}

std::int64_t secondsOfCivil(const CivilTime& civil)
{
    return daysOfDate(civil.year, civil.month, civil.day) * SECONDS_PER_DAY + civil.hour * 3600 + civil.minute * 60 +
           civil.second;
}

CivilTime civilOfSeconds(std::int64_t seconds, std::int64_t nanos)
{
    const std::int64_t days = floorDiv(seconds, SECONDS_PER_DAY);
    const auto ofDay = static_cast<int>(seconds - days * SECONDS_PER_DAY);
    CivilTime civil = dateOfDays(days);
    civil.hour = ofDay / 3600;
    civil.minute = ofDay / 60 % 60;
    civil.second = ofDay % 60;
    civil.nanos = nanos;
    return civil;
}

int dayOfYear(const CivilTime& civil)
{
    return static_cast<int>(daysOfDate(civil.year, civil.month, civil.day) - daysOfDate(civil.year, 1, 1) + 1);
}

std::optional<StartText> parseStartText(const std::string& text)
{
    StartText start;
    if (text == "now") {
        start.now = true;
        return start;
    }
    const std::optional<int> year = digitsAt(text, 0, 4);
    const std::optional<int> month = digitsAt(text, 5, 2);
    const std::optional<int> day = digitsAt(text, 8, 2);
    const std::optional<int> hour = digitsAt(text, 11, 2);
    const std::optional<int> minute = digitsAt(text, 14, 2);
    const std::optional<int> second = digitsAt(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != 't' && text[10] != ' ') || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month) || *hour > 23 || *minute > 59 ||
        *second > 59) {
        return std::nullopt;
    }
    start.civil = {*year, *month, *day, *hour, *minute, *second, 0};
    std::size_t at = 19;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        std::int64_t scale = NANOS_PER_SECOND;
        ++at;
        const std::size_t first = at;
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
            // Digits past the nanosecond are read and dropped.
            if (scale > 1) {
                scale /= 10;
                start.civil.nanos += (text[at] - '0') * scale;
            }
        }
        if (at == first) {
            return std::nullopt;
        }
    }
    if (at < text.size()) {
        start.offset = offsetOf(text.substr(at));
        if (!start.offset) {
            return std::nullopt;
        }
    }
    return start;
}

Instant instantOfFrame(const ClockStart& start, std::uint64_t frame)
{
    const Wide samples = static_cast<Wide>(start.frames) + static_cast<Wide>(frame);
    return start.base + static_cast<Instant>(floorDivWide(samples * NANOS_PER_SECOND, start.rate));
}

std::int64_t frameAtOrAfter(const ClockStart& start, Instant at)
{
    // ceil(x) = -floor(-x), with x = (at - base) x rate / 1e9 - frames.
    const Wide scaled = static_cast<Wide>(at - start.base) * start.rate;
    return static_cast<std::int64_t>(-floorDivWide(-scaled, NANOS_PER_SECOND) - start.frames);
}

std::string offsetText(std::int32_t offsetSeconds, bool withColon)
{
    const std::int32_t magnitude = std::abs(offsetSeconds);
    const std::int32_t hours = magnitude / 3600;
    const std::int32_t minutes = magnitude / 60 % 60;
    std::string text(1, offsetSeconds < 0 ? '-' : '+');
    text += static_cast<char>('0' + hours / 10);
    text += static_cast<char>('0' + hours % 10);
    if (withColon) {
        text += ':';
    }
    text += static_cast<char>('0' + minutes / 10);
    text += static_cast<char>('0' + minutes % 10);
    return text;
}
