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

bool isUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        unsigned low = 0x80;  // the bounds of the first continuation byte
        unsigned high = 0xBF;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // overlong below U+0800
            high = lead == 0xED ? 0x9F : 0xBF;  // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;   // overlong below U+10000
            high = lead == 0xF4 ? 0x8F : 0xBF;  // beyond U+10FFFF
        } else {
            return false;
        }
        if (text.size() - at < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned next = static_cast<unsigned char>(text[at + k]);
            if (next < (k == 1 ? low : 0x80u) || next > (k == 1 ? high : 0xBFu)) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

std::size_t utf16Length(std::string_view utf8)
{
    std::size_t length = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) == 0x80 ? std::size_t{0} : byte >= 0xF0 ? std::size_t{2} : std::size_t{1};
    }
    return length;
}
