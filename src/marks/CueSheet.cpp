#include "marks/CueSheet.h"

#include <utility>
#include <vector>

#include "marks/CutPoints.h"

namespace {

constexpr std::uint64_t SHEET_FRAMES_PER_SECOND = 75;
constexpr std::uint64_t MOST_MINUTES = 1000000000;  // far past any Mother's end

struct Track {
    std::size_t line = 0;
    std::string number;
    bool audio = false;
    std::optional<std::uint64_t> start;
    std::string title;
};

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view skipBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

// The next word, taken off the front of the text.
std::string_view nextWord(std::string_view& text)
{
    text = skipBlanks(text);
    std::size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t') {
        ++end;
    }
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// A quoted title is what stands between its first and last quote; an unquoted one the rest.
std::string titleOf(std::string_view rest)
{
    rest = skipBlanks(rest);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) {
        rest.remove_suffix(1);
    }
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
        return std::string(rest.substr(1, rest.size() - 2));
    }
    return std::string(rest);
}

// Digits only, at most 10 of them.
std::optional<std::uint64_t> numberOf(std::string_view digits)
{
    if (digits.empty() || digits.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

// mm:ss:ff as a count of the sheet's frames.
std::optional<std::uint64_t> sheetFramesOf(std::string_view time)
{
    const std::size_t first = time.find(':');
    const std::size_t second = first == std::string_view::npos ? first : time.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> minutes = numberOf(time.substr(0, first));
    const std::optional<std::uint64_t> seconds = numberOf(time.substr(first + 1, second - first - 1));
    const std::optional<std::uint64_t> frames = numberOf(time.substr(second + 1));
    if (!minutes || !seconds || !frames || *minutes >= MOST_MINUTES || *seconds >= 60 ||
        *frames >= SHEET_FRAMES_PER_SECOND) {
        return std::nullopt;
    }
    return (*minutes * 60 + *seconds) * SHEET_FRAMES_PER_SECOND + *frames;
}

// Built by appending: GCC 12 warns falsely of an overlap in "literal" + std::string(...).
std::string quoted(std::string_view text)
{
    std::string shown = "\"";
    shown += text;
    shown += '"';
    return shown;
}

MarksRefusal refusal(const std::string& fileName, std::size_t line, std::string problem)
{
    return MarksRefusal{fileName, line, std::move(problem)};
}

}  // namespace

MarksRead spansFromCueSheet(std::string_view text, const std::string& fileName, std::uint32_t sampleRate,
                            std::uint64_t totalFrames)
{
    std::vector<Track> tracks;
    bool fileNamed = false;
    const std::vector<std::string_view> lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view rest = lines[i];
        const std::string_view command = nextWord(rest);
        if (sameWord(command, "FILE")) {
            if (fileNamed) {
                return {{}, refusal(fileName, i + 1, "a second FILE: one sheet cuts one recording")};
            }
            fileNamed = true;
        } else if (sameWord(command, "TRACK")) {
            const std::string_view number = nextWord(rest);
            tracks.push_back({i + 1, std::string(number), sameWord(nextWord(rest), "AUDIO"), std::nullopt, {}});
        } else if (sameWord(command, "TITLE") && !tracks.empty()) {
            tracks.back().title = titleOf(rest);
        } else if (sameWord(command, "INDEX") && !tracks.empty() && numberOf(nextWord(rest)) == 1u) {
            const std::string_view time = nextWord(rest);
            const std::optional<std::uint64_t> sheetFrames = sheetFramesOf(time);
            if (!sheetFrames) {
                return {{}, refusal(fileName, i + 1, quoted(time) + " is not a time mm:ss:ff")};
            }
            const std::optional<std::uint64_t> frame =
                nearestFrame(*sheetFrames / SHEET_FRAMES_PER_SECOND, *sheetFrames % SHEET_FRAMES_PER_SECOND,
                             SHEET_FRAMES_PER_SECOND, sampleRate);
            if (!frame || *frame > totalFrames) {
                return {{}, refusal(fileName, i + 1, quoted(time) + " is past the Mother's end")};
            }
            tracks.back().start = frame;
        }
    }
    std::vector<CutPoint> cuts;
    for (Track& track : tracks) {
        if (!track.audio) {
            continue;
        }
        if (!track.start) {
            return {{}, refusal(fileName, track.line, "TRACK " + track.number + " has no INDEX 01")};
        }
        cuts.push_back({*track.start, std::move(track.title)});
    }
    if (cuts.empty()) {
        return {{}, refusal(fileName, 0, "no TRACK nn AUDIO in the sheet")};
    }
    return {spansBetweenCuts(std::move(cuts), totalFrames), std::nullopt};
}
