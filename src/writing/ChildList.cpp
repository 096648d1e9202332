#include "writing/ChildList.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstdio>

namespace {

constexpr std::uint16_t WINDOW_FRAME_BYTES = 4;
constexpr std::uint32_t WINDOW_RATE = 44100;

bool endsWith(const std::string& text, const std::string& end)
{
    if (text.size() < end.size()) {
        return false;
    }
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = text[text.size() - end.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != end[i]) {
            return false;
        }
    }
    return true;
}

// Seconds with six decimals and a "." whatever the locale: 1/1000000 s is far below one frame
// of any rate but the highest, and the frames columns are exact.
std::string seconds(std::uint64_t frames, std::uint32_t rate)
{
    if (rate == 0) {
        return "0.000000";
    }
    const std::uint64_t whole = frames / rate;
    // Rounded to the nearest millionth: (rest * 10^6 + rate/2) / rate, without overflow for any
    // rest below a 32-bit rate.
    std::uint64_t micro = ((frames % rate) * 1000000ULL + rate / 2) / rate;
    std::uint64_t secondsPart = whole;
    if (micro == 1000000ULL) {
        ++secondsPart;
        micro = 0;
    }
    char text[48] = {};
    std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(secondsPart),
                  static_cast<unsigned long long>(micro));
    return text;
}

// A field quoted when it holds a comma, a quote or a line end, its quotes doubled (RFC 4180).
std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string csvText(const std::vector<ListedChild>& rows, bool severalMothers, const ListEnd& end)
{
    const bool onClock = !rows.empty() && !rows.front().startUtc.empty();
    std::string text = severalMothers ? "mother," : "";
    text += "file,number,first_frame,frames,start_seconds,duration_seconds,bytes,title";
    text += onClock ? ",start_utc,start_local\r\n" : "\r\n";
    for (const ListedChild& row : rows) {
        if (severalMothers) {
            text += csvField(row.mother) + ",";
        }
        text += csvField(row.file) + "," + std::to_string(row.number) + "," + std::to_string(row.firstFrame) + "," +
                std::to_string(row.frames) + "," + seconds(row.firstFrame, row.rate) + "," +
                seconds(row.frames, row.rate) + "," + std::to_string(row.bytes) + "," + csvField(row.title) +
                (onClock ? "," + row.startUtc + "," + row.startLocal : "") + "\r\n";
    }
    if (end) {
        text += std::string(severalMothers ? 8 : 7, ',') + csvField(*end) + (onClock ? ",," : "") + "\r\n";
    }
    return text;
}

// The times as numbers in JSON, written from the same six-decimal text as the CSV's.
std::string jsonText(const std::vector<ListedChild>& rows, bool severalMothers, const ListEnd& end)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ListedChild& row : rows) {
        nlohmann::ordered_json object;
        if (severalMothers) {
            object["mother"] = row.mother;
        }
        object["file"] = row.file;
        object["number"] = row.number;
        object["first_frame"] = row.firstFrame;
        object["frames"] = row.frames;
        object["start_seconds"] = std::stod(seconds(row.firstFrame, row.rate));
        object["duration_seconds"] = std::stod(seconds(row.frames, row.rate));
        object["bytes"] = row.bytes;
        object["title"] = row.title;
        if (!row.startUtc.empty()) {
            object["start_utc"] = row.startUtc;
            object["start_local"] = row.startLocal;
        }
        list.push_back(std::move(object));
    }
    if (end) {
        list.push_back(nlohmann::ordered_json{{"stopped", *end}});
    }
    // Names are bytes of the file system: one that is no UTF-8 is kept readable, not refused.
    return list.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace

std::vector<ListedChild> listedChildren(const SplitPlan& plan, std::size_t count)
{
    const std::optional<WavFormat>& format = plan.mother.format;
    std::uint16_t frameBytes = plan.frameBytes;
    if (frameBytes == 0) {
        frameBytes = format && format->blockAlign != 0 ? format->blockAlign : WINDOW_FRAME_BYTES;
    }
    const std::uint32_t rate = format && format->sampleRate != 0 ? format->sampleRate : WINDOW_RATE;
    std::vector<ListedChild> rows;
    for (std::size_t i = 0; i < count && i < plan.children.size(); ++i) {
        const PlannedChild& child = plan.children[i];
        rows.push_back({plan.mother.path,
                        childName(plan, child),
                        child.number,
                        (child.firstByte - plan.mother.dataAt) / frameBytes,
                        child.sampleBytes / frameBytes,
                        rate,
                        childFileHeaderBytes(plan, child) + child.sampleBytes,
                        child.title,
                        {},
                        {}});
        if (plan.clock) {
            const std::uint64_t firstFrame = rows.back().firstFrame;
            const LocalTime local = childStartAt(*plan.clock, firstFrame);
            static const TimeZone utc = fixedZone(0, "UTC");
            rows.back().startUtc = isoText(localTimeAt(utc, instantOfFrame(plan.clock->start, firstFrame)));
            rows.back().startLocal = isoText(local);
        }
    }
    return rows;
}

std::string childListText(const std::string& fileName, const std::vector<ListedChild>& rows, bool severalMothers,
                          const ListEnd& end)
{
    return endsWith(fileName, ".json") ? jsonText(rows, severalMothers, end) : csvText(rows, severalMothers, end);
}

bool writeChildList(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".part";
    std::FILE* stream = std::fopen(temporary.c_str(), "wb");
    if (stream == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    int error = errno;
    const bool closed = std::fclose(stream) == 0;
    if (!written || !closed) {
        std::remove(temporary.c_str());
        errno = error != 0 ? error : EIO;
        return false;
    }
    // Where a rename does not replace a file (Windows), the old list goes first.
    if (std::rename(temporary.c_str(), path.c_str()) != 0 &&
        (std::remove(path.c_str()) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0)) {
        error = errno;
        std::remove(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}
