#include "ui/StringOps.h"

int findChar(std::string_view text, char ch)
{
    // A NUL is the end of a text, so text past it is never searched.
    const std::size_t end = text.find('\0');
    const std::size_t at = text.substr(0, end).find(ch);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

void cutFileNameAtDot(std::string& path)
{
    const std::size_t lastSeparator = path.find_last_of("\\/");
    const std::size_t nameAt = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    const int dot = findChar(std::string_view(path).substr(nameAt), '.');
    if (dot >= 0) {
        path.resize(nameAt + static_cast<std::size_t>(dot));
    }
}
