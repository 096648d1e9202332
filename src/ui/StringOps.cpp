#include "ui/StringOps.h"

int findChar(std::string_view text, char ch)
{
    // A NUL is the end of a text, so text past it is never searched.
    const std::size_t end = text.find('\0');
    const std::size_t at = text.substr(0, end).find(ch);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

void cutAtDot(std::string& text)
{
    const int dot = findChar(text, '.');
    if (dot >= 0) {
        text.resize(static_cast<std::size_t>(dot));
    }
}
