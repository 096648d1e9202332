// Any bytes as a settings text: where findKey finds each key and what it takes, a record saved
// from values made of the text that loads them back, and LOAD SETTINGS on the text as a file,
// whose pickers must offer exactly the values found, in their fixed order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "core/AppState.h"
#include "settings/SettingsCommands.h"
#include "settings/SettingsText.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

// The key's line, looked for here apart from the program's own search: at the text's start or
// right after an LF, the first one winning; the value runs to the next CR or the end.
std::optional<std::string> expectedValue(std::string_view key, std::string_view text)
{
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if ((at == 0 || text[at - 1] == '\n') && text.substr(at).starts_with(key)) {
            const std::size_t from = at + key.size();
            const std::size_t cr = text.find('\r', from);
            return std::string(text.substr(from, cr == std::string_view::npos ? std::string_view::npos : cr - from));
        }
    }
    return std::nullopt;
}

void checkFindKey(std::string_view key, std::string_view text)
{
    std::string value = "untouched";
    const long stopped = findKey(key, text, value);
    const std::optional<std::string> expected = expectedValue(key, text);
    if (!expected) {
        require(stopped == -1 && value == "untouched", "a key without its line is not found and changes nothing");
        return;
    }
    require(value == *expected, "the value runs from the key to the next CR or the end");
    require(stopped >= 0 && static_cast<std::size_t>(stopped) <= text.size() + 1, "findKey stops inside the text");
}

// Values cut from the input, without the line ends that would split them.
std::string valueFrom(std::string_view part)
{
    std::string value(part);
    std::replace(value.begin(), value.end(), '\r', '_');
    std::replace(value.begin(), value.end(), '\n', '_');
    return value;
}

void checkRoundTrip(std::string_view text)
{
    const std::size_t third = text.size() / 3;
    const std::string mother = valueFrom(text.substr(0, third));
    const std::string like = valueFrom(text.substr(third, third));
    const std::string kind = valueFrom(text.substr(2 * third));
    const std::string lines = settingsLines(mother, like, kind);
    const std::optional<std::string> record = settingsRecord(lines);
    if (lines.size() > SETTINGS_RECORD_BYTES) {
        require(!record, "lines longer than the record are refused");
        return;
    }
    require(record && record->size() == SETTINGS_RECORD_BYTES && record->starts_with(lines) &&
                std::all_of(record->begin() + static_cast<std::ptrdiff_t>(lines.size()), record->end(),
                            [](char c) { return c == '\0'; }),
            "a record is the lines and zero bytes up to 1024");
    std::string found;
    require(findKey(MOTHER_KEY, *record, found) >= 0 && found.starts_with(mother), "the Mother loads back");
    require(findKey(TEMPLATE_KEY, *record, found) >= 0 && found.starts_with(like), "the template loads back");
    require(findKey(KIND_KEY, *record, found) >= 0 && found.starts_with(kind), "the name loads back");
}

// LOAD SETTINGS on the text, every picker cancelled: the text is applied whole but for its zero
// bytes (the padding of a saved record), each value found is offered in its own picker in the
// order Mother, template, name, and nothing is loaded.
void checkLoad(const std::string& fileText)
{
    std::string text = fileText;
    std::erase(text, '\0');
    const ScratchFolder folder;
    const std::string path = folder.write("settings.txt", std::vector<std::uint8_t>(fileText.begin(), fileText.end()));
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    int loads = 0;
    int templates = 0;
    fake.pick(path);
    loadSettings(ctx, SettingsLoadSteps{[&loads](CommandContext&) { ++loads; },
                                        [&templates](CommandContext&) {
                                            ++templates;
                                            return true;
                                        }});
    require(state.settingsText == text, "the settings text is the file's whole text but its zero bytes");
    require(loads == 0 && templates == 0, "a cancelled pick loads nothing");
    std::vector<std::string> offered;
    for (const char* key : {MOTHER_KEY, TEMPLATE_KEY, KIND_KEY}) {
        const std::optional<std::string> value = expectedValue(key, text);
        if (value && !value->empty()) {
            offered.push_back(*value);
        }
    }
    require(fake.fileDialogs.size() == 1 + offered.size(), "one picker for the file and one for each value found");
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const std::string& name = fake.fileDialogs[i + 1].initialName;
        require(offered[i].starts_with(name), "each picker offers its stored value");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The settings file is refused above 64 KiB; keep the run on texts it takes.
    if (size > 4096) {
        return 0;
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* key : {MOTHER_KEY, TEMPLATE_KEY, KIND_KEY}) {
        checkFindKey(key, text);
    }
    checkRoundTrip(text);
    checkLoad(text);
    return 0;
}
