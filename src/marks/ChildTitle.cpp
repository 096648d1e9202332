#include "marks/ChildTitle.h"

namespace {

constexpr std::string_view FORBIDDEN = "\\/:*?\"<>|";
constexpr std::string_view EXTENSION = ".WAV";

bool isContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

// Bytes, or UTF-16 units: one for each character, two for one beyond the basic plane (a 4-byte
// sequence), none for the bytes that continue a sequence.
std::size_t lengthOf(std::string_view text, const NameLimits& limits)
{
    if (!limits.utf16) {
        return text.size();
    }
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units += isContinuation(byte) ? 0 : (byte >= 0xF0 ? 2 : 1);
    }
    return units;
}

std::string_view lastName(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string numberedStem(std::string_view stem, std::int32_t number)
{
    return std::string(stem) + (number > 0 ? std::to_string(number) : std::string());
}

}  // namespace

std::string safeTitle(std::string_view title)
{
    std::string safe(title);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || FORBIDDEN.find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return safe;
}

std::string fittedTitle(std::string_view stem, std::int32_t number, std::string_view title, const NameLimits& limits)
{
    const std::string unnamed = numberedStem(stem, number) + std::string(EXTENSION);
    const std::string safe = safeTitle(title);
    const std::size_t pathUsed = lengthOf(unnamed, limits) + 1;  // the "-" before the title
    const std::size_t nameUsed = lengthOf(lastName(unnamed), limits) + 1;
    std::size_t kept = 0;  // bytes of the title that fit, ending at a character boundary
    std::size_t units = 0;
    for (std::size_t at = 0; at < safe.size();) {
        std::size_t next = at + 1;
        while (next < safe.size() && isContinuation(static_cast<unsigned char>(safe[next]))) {
            ++next;
        }
        units += lengthOf(std::string_view(safe).substr(at, next - at), limits);
        if (pathUsed + units > limits.pathLength || nameUsed + units > limits.nameLength) {
            break;
        }
        kept = next;
        at = next;
    }
    return safe.substr(0, kept);
}

std::string titledChildName(std::string_view stem, std::int32_t number, std::string_view title,
                            const NameLimits& limits)
{
    const std::string fitted = fittedTitle(stem, number, title, limits);
    return numberedStem(stem, number) + (fitted.empty() ? "" : "-" + fitted) + std::string(EXTENSION);
}
