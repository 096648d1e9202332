#include "marks/LabelList.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "marks/CutPoints.h"

namespace {

constexpr std::size_t DECIMALS_COUNTED = 9;

struct Label {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    std::string text;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && field.front() == ' ') {
        field.remove_prefix(1);
    }
    while (!field.empty() && field.back() == ' ') {
        field.remove_suffix(1);
    }
    return field;
}

struct Seconds {
    std::uint64_t whole = 0;
    std::uint64_t part = 0;   // the decimals counted, as a whole number
    std::uint64_t parts = 1;  // 10 to the number of decimals counted
    bool tooLarge = false;
};

// Digits, then optionally a decimal point (`.` or `,`) and more digits; at least one digit.
std::optional<Seconds> secondsOf(std::string_view field)
{
    Seconds seconds;
    std::size_t at = 0;
    std::size_t digits = 0;
    for (; at < field.size() && isDigit(field[at]); ++at, ++digits) {
        // A number of more than 18 digits is past any Mother's end; it is not kept.
        seconds.tooLarge = seconds.tooLarge || seconds.whole >= 100000000000000000u;
        seconds.whole = seconds.tooLarge ? 0 : seconds.whole * 10 + static_cast<std::uint64_t>(field[at] - '0');
    }
    if (at < field.size() && (field[at] == '.' || field[at] == ',')) {
        std::size_t decimals = 0;
        for (++at; at < field.size() && isDigit(field[at]); ++at, ++digits) {
            if (decimals++ < DECIMALS_COUNTED) {
                seconds.part = seconds.part * 10 + static_cast<std::uint64_t>(field[at] - '0');
                seconds.parts *= 10;
            }
        }
    }
    if (digits == 0 || at != field.size()) {
        return std::nullopt;
    }
    return seconds;
}

struct LineRead {
    std::optional<Label> label;
    std::string problem;  // when not empty, the line is refused
};

LineRead readTime(std::string_view field, const char* which, std::uint32_t rate, std::uint64_t totalFrames,
                  std::uint64_t& frame)
{
    const std::string shown = std::string(which) + " \"" + std::string(field) + "\"";
    const std::optional<Seconds> seconds = secondsOf(trimmed(field));
    if (!seconds) {
        return {{}, shown + " is not a number of seconds"};
    }
    const std::optional<std::uint64_t> nearest =
        seconds->tooLarge ? std::nullopt : nearestFrame(seconds->whole, seconds->part, seconds->parts, rate);
    if (!nearest || *nearest > totalFrames) {
        return {{}, shown + " is past the Mother's end"};
    }
    frame = *nearest;
    return {};
}

LineRead readLabel(std::string_view line, std::uint32_t rate, std::uint64_t totalFrames)
{
    const std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos) {
        return {{}, "no tab between START and END"};
    }
    const std::size_t secondTab = line.find('\t', firstTab + 1);
    const std::string_view endField = line.substr(firstTab + 1, secondTab - (firstTab + 1));
    Label label;
    for (LineRead read : {readTime(line.substr(0, firstTab), "START", rate, totalFrames, label.start),
                          readTime(endField, "END", rate, totalFrames, label.end)}) {
        if (!read.problem.empty()) {
            return read;
        }
    }
    if (label.end < label.start) {
        return {{}, "the region ends before it starts"};
    }
    if (secondTab != std::string_view::npos) {
        label.text = std::string(line.substr(secondTab + 1));
    }
    return {std::move(label), {}};
}

// One region's Children: the region cut at the points strictly inside it.
void appendRegion(const Label& region, const std::vector<CutPoint>& points, ChildSpans& spans)
{
    std::vector<CutPoint> inside;
    for (const CutPoint& point : points) {
        if (point.frame > region.start && point.frame < region.end) {
            inside.push_back({point.frame - region.start, point.title});
        }
    }
    ChildSpans pieces = spansBetweenCuts(std::move(inside), region.end - region.start);
    pieces.front().title = region.text;
    for (ChildSpan& piece : pieces) {
        piece.firstFrame += region.start;
        spans.push_back(std::move(piece));
    }
}

}  // namespace

MarksRead spansFromLabels(std::string_view text, const std::string& fileName, std::uint32_t sampleRate,
                          std::uint64_t totalFrames)
{
    std::vector<CutPoint> points;
    std::vector<Label> regions;
    const std::vector<std::string_view> lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].front() == '\\') {
            continue;
        }
        LineRead read = readLabel(lines[i], sampleRate, totalFrames);
        if (!read.problem.empty()) {
            return {{}, MarksRefusal{fileName, i + 1, read.problem}};
        }
        if (read.label->end == read.label->start) {
            points.push_back({read.label->start, std::move(read.label->text)});
        } else {
            regions.push_back(std::move(*read.label));
        }
    }
    if (points.empty() && regions.empty()) {
        return {{}, MarksRefusal{fileName, 0, "no label in the list"}};
    }
    if (regions.empty()) {
        return {spansBetweenCuts(std::move(points), totalFrames), std::nullopt};
    }
    std::stable_sort(regions.begin(), regions.end(), [](const Label& a, const Label& b) { return a.start < b.start; });
    MarksRead read;
    for (const Label& region : regions) {
        appendRegion(region, points, read.spans);
    }
    return read;
}
