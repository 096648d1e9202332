#include "ui/FilePicker.h"

#include <array>

namespace {

// "FILES(*.TXT)", "*.TXT;", "All Files(*.*)", "*.*", each NUL-terminated, then the list's closing
// NUL and the literal's own terminator: 41 bytes.
constexpr char FILTER_TEMPLATE[] = "FILES(*.TXT)\0*.TXT;\0All Files(*.*)\0*.*\0\0";
constexpr std::size_t FILTER_BYTES = sizeof FILTER_TEMPLATE;
constexpr std::size_t DESCRIPTION_EXT_AT = 8;                 // "FILES(*." is 8 bytes
constexpr std::size_t PATTERN_EXT_AT = 13 + 2;                // after "FILES(*.TXT)\0" comes "*."

}  // namespace

std::string buildFileFilter(std::string_view extension)
{
    static_assert(FILTER_BYTES == 41);
    std::string filter(FILTER_TEMPLATE, FILTER_BYTES);
    for (std::size_t i = 0; i < 3 && i < extension.size(); ++i) {
        filter[DESCRIPTION_EXT_AT + i] = extension[i];
        filter[PATTERN_EXT_AT + i] = extension[i];
    }
    return filter;
}

void pickFile(Platform& ui, WindowRef owner, std::string& pathField, std::string_view extension,
              std::string_view caption, Flag& chosen)
{
    chosen = 0;
    FileDialogRequest request;
    request.owner = owner;
    request.filter = buildFileFilter(extension);
    // The dialog's name buffer holds 259 characters; an older, longer path is offered cut to that.
    request.initialName = pathField.substr(0, PICK_FILE_MAX - 1);
    request.title = std::string(caption);
    request.flags = PICK_FILE_FLAGS;
    request.maxFile = PICK_FILE_MAX;
    if (auto picked = ui.openFileDialog(request)) {
        pathField = std::move(*picked);
        chosen = 1;
    }
}
