// The zones of Windows: its own zone and its daylight-saving rules through the system's calls,
// instant by instant. Windows keeps no database of zone names as files, so a name is refused;
// the TZ variable, which the C library would read, is not used.
#include <windows.h>

#include "planning/TimeZone.h"

namespace {

SYSTEMTIME systemTimeOf(std::int64_t seconds)
{
    const CivilTime civil = civilOfSeconds(seconds);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(civil.year);
    time.wMonth = static_cast<WORD>(civil.month);
    time.wDay = static_cast<WORD>(civil.day);
    time.wHour = static_cast<WORD>(civil.hour);
    time.wMinute = static_cast<WORD>(civil.minute);
    time.wSecond = static_cast<WORD>(civil.second);
    return time;
}

}  // namespace

ZoneChoice systemLocalZone()
{
    // The zone's rules as the system keeps them now, for every year (the calls that know a year's
    // own rules are missing where the program is tested, under Wine).
    TIME_ZONE_INFORMATION information{};
    if (GetTimeZoneInformation(&information) == TIME_ZONE_ID_INVALID) {
        return {std::nullopt, "--tz local: the system does not tell its time zone"};
    }
    TimeZone zone;
    zone.name = "local";
    zone.system = [information](std::int64_t utcSeconds) {
        const SYSTEMTIME utc = systemTimeOf(utcSeconds);
        SYSTEMTIME local{};
        if (!SystemTimeToTzSpecificLocalTime(&information, &utc, &local)) {
            return ZoneOffset{0, "+0000"};
        }
        const CivilTime civil{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, 0};
        const auto seconds = static_cast<std::int32_t>(secondsOfCivil(civil) - utcSeconds);
        return ZoneOffset{seconds, offsetText(seconds)};
    };
    return {std::move(zone), {}};
}

ZoneChoice systemNamedZone(const std::string& name)
{
    return {std::nullopt, "--tz " + name +
                              ": zone names need a zone database, which this system does not keep; give local, "
                              "UTC or an offset such as +01:00"};
}
