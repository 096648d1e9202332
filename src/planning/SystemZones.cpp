// The zones of a system with a zone database in files: its own zone in /etc/localtime, the
// others by name under /usr/share/zoneinfo. Read as files, so the TZ variable plays no part.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "planning/TimeZone.h"

namespace {

constexpr char LOCAL_ZONE_FILE[] = "/etc/localtime";
constexpr char ZONE_DATABASE[] = "/usr/share/zoneinfo/";

// The file's bytes; none after setting errno.
std::optional<std::vector<std::uint8_t>> readWhole(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[4096];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && bytes.size() < (1u << 20)) {
        bytes.insert(bytes.end(), block, block + got);
    }
    std::fclose(file);
    return bytes;
}

}  // namespace

ZoneChoice systemLocalZone()
{
    const std::optional<std::vector<std::uint8_t>> bytes = readWhole(LOCAL_ZONE_FILE);
    if (!bytes) {
        // A system without a zone of its own keeps UTC, as its C library does.
        return {fixedZone(0, "local"), {}};
    }
    std::optional<TimeZone> zone = zoneOfTzif(*bytes, "local");
    if (!zone) {
        return {std::nullopt, std::string("--tz local: ") + LOCAL_ZONE_FILE + " is no zone file"};
    }
    return {std::move(zone), {}};
}

ZoneChoice systemNamedZone(const std::string& name)
{
    const std::string path = ZONE_DATABASE + name;
    const std::optional<std::vector<std::uint8_t>> bytes = readWhole(path);
    if (!bytes) {
        return {std::nullopt, "--tz " + name + ": no such zone in the system's zone database (" + path + ": " +
                                  std::strerror(errno) + ")"};
    }
    std::optional<TimeZone> zone = zoneOfTzif(*bytes, name);
    if (!zone) {
        return {std::nullopt, "--tz " + name + ": " + path + " is no zone file"};
    }
    return {std::move(zone), {}};
}
