// Any text as a CUE sheet, against a Mother whose rate and frame count come from the input's
// first bytes (see MarksFuzz.h): a refusal naming the file and a line it has, or Children that
// cut the Mother end to end at strictly increasing frames inside it, named within the rules of a
// file name.
#include <string_view>

#include "MarksFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    marksfuzz::checkMarks(CutRule::Cue, data, size, "no TRACK nn AUDIO in the sheet",
                          [](std::string_view) { return true; });
    return 0;
}
