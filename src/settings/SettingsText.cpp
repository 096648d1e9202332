#include "settings/SettingsText.h"

#include "ui/StringOps.h"

long findKey(std::string_view key, std::string_view text, std::string& value)
{
    std::size_t lineStart = 0;
    for (;;) {
        std::size_t at = lineStart;
        std::size_t matched = 0;
        while (matched < key.size() && at < text.size() && text[at] == key[matched]) {
            ++at;
            ++matched;
        }
        if (matched == key.size()) {
            break;
        }
        lineStart = nextLineStart(text, at);
        if (lineStart == 0) {
            return -1;
        }
    }
    const std::size_t valueStart = lineStart + key.size();
    const std::size_t cr = text.find('\r', valueStart);
    if (cr == std::string_view::npos) {
        value.assign(text.substr(valueStart));
        return static_cast<long>(text.size()) + 1;  // copying stopped past the text's last byte
    }
    value.assign(text.substr(valueStart, cr - valueStart));
    return static_cast<long>(cr);
}

std::size_t nextLineStart(std::string_view text, std::size_t from)
{
    const std::size_t lf = from < text.size() ? text.find('\n', from) : std::string_view::npos;
    return lf == std::string_view::npos ? 0 : lf + 1;
}

long endsWith(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size() || text.substr(text.size() - suffix.size()) != suffix) {
        return -1;
    }
    return static_cast<long>(text.size() - suffix.size());
}

std::string kindText(const std::string& childBaseName)
{
    if (endsWith(childBaseName, ".WAV") >= 0 || endsWith(childBaseName, ".wav") >= 0) {
        return childBaseName;
    }
    return childBaseName + ".wav";
}

std::string settingsLines(const std::string& mother, const std::string& templatePath, const std::string& kind)
{
    const std::string lineEnd = "\r\n";
    return MOTHER_KEY + mother + lineEnd + TEMPLATE_KEY + templatePath + lineEnd + KIND_KEY + kind + lineEnd + "EOF";
}

std::optional<std::string> settingsRecord(const std::string& lines)
{
    if (lines.size() > SETTINGS_RECORD_BYTES) {
        return std::nullopt;
    }
    std::string record = lines;
    record.resize(SETTINGS_RECORD_BYTES, '\0');
    return record;
}

std::string valueAsUtf8(const std::string& value, const std::function<std::string(std::string_view)>& fromLegacy)
{
    return isUtf8(value) ? value : fromLegacy(value);
}

std::string textAsUtf8(std::string_view text, const std::function<std::string(std::string_view)>& fromLegacy)
{
    std::string converted;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        const std::size_t lf = text.find('\n', lineStart);
        const std::size_t lineEnd = lf == std::string_view::npos ? text.size() : lf + 1;
        converted += valueAsUtf8(std::string(text.substr(lineStart, lineEnd - lineStart)), fromLegacy);
        lineStart = lineEnd;
    }
    return converted;
}
