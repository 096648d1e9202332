#include "marks/MarksFile.h"

#include <limits>

std::string refusalText(const MarksRefusal& refusal)
{
    const std::string where =
        refusal.line == 0 ? refusal.file : refusal.file + ", line " + std::to_string(refusal.line);
    return where + ": " + refusal.problem;
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
    if (text.substr(0, BYTE_ORDER_MARK.size()) == BYTE_ORDER_MARK) {
        text.remove_prefix(BYTE_ORDER_MARK.size());
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::optional<std::uint64_t> nearestFrame(std::uint64_t seconds, std::uint64_t part, std::uint64_t parts,
                                          std::uint32_t rate)
{
    constexpr std::uint64_t MOST = std::numeric_limits<std::uint64_t>::max();
    if (rate != 0 && seconds > (MOST - rate) / rate) {
        return std::nullopt;
    }
    // part x rate stays below 10^9 x 2^32, so twice it fits 64 bits.
    return seconds * rate + (2 * part * rate + parts) / (2 * parts);
}
