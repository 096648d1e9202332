// Any text as a label list, against a Mother whose rate and frame count come from the input's
// first bytes (see MarksFuzz.h): a refusal naming the file and a line it has, or Children inside
// the Mother named within the rules of a file name. A list of points only cuts the Mother end to
// end, so its cuts are strictly increasing and inside it.
#include <string_view>

#include "MarksFuzz.h"

namespace {

std::string_view trimmed(std::string_view field)
{
    const std::size_t first = field.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : field.substr(first, field.find_last_not_of(' ') - first + 1);
}

// True when every label's START and END are written alike, so that none is a region; a list with
// regions is only held to Children that never begin before the one before.
bool pointsOnly(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    for (std::string_view line : marksfuzz::linesOfText(text)) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '\\') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            return false;
        }
        const std::size_t next = line.find('\t', tab + 1);
        const std::string_view end = line.substr(tab + 1, next == std::string_view::npos ? next : next - tab - 1);
        if (trimmed(line.substr(0, tab)) != trimmed(end)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    marksfuzz::checkMarks(CutRule::Labels, data, size, "no label in the list", pointsOnly);
    return 0;
}
