#include "cli/ConsoleMessage.h"

#include "cli/CliTexts.h"

namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string consoleMessage(std::string_view caption, std::string_view text)
{
    std::string message = clitext::PROGRAM_PREFIX;
    message += trimmed(caption);
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end));
        if (!line.empty()) {
            message += "\n  ";
            message += line;
        }
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return message + "\n";
}

std::string numberLine(const char* label, std::uint64_t value)
{
    std::string line = "\n";
    line += label;
    line += std::to_string(value);
    return line;
}
