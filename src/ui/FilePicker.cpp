#include "ui/FilePicker.h"

#include "ui/StringOps.h"

// "FILES(*.EXT)", "*.EXT;", "All Files(*.*)", "*.*", each NUL-terminated, then the list's closing
// NUL and one more, as the dialog's filter has always been handed over: 41 bytes for a
// three-letter extension.
std::string buildFileFilter(std::string_view extension)
{
    using namespace std::string_literals;
    const std::string ext(extension.substr(0, 3));
    return "FILES(*."s + ext + ")\0*."s + ext + ";\0All Files(*.*)\0*.*\0\0\0"s;
}

void pickFile(Platform& ui, WindowRef owner, std::string& pathField, std::string_view extension,
              std::string_view caption, Flag& chosen)
{
    chosen = 0;
    FileDialogRequest request;
    request.owner = owner;
    request.filter = buildFileFilter(extension);
    // The dialog's name buffer holds 259 UTF-16 letters; a longer path is not offered, since cut
    // short it would name another file (or split a letter of a name in UTF-8).
    if (utf16Length(pathField) < PICK_FILE_MAX) {
        request.initialName = pathField;
    }
    request.title = std::string(caption);
    request.flags = PICK_FILE_FLAGS;
    request.maxFile = PICK_FILE_MAX;
    if (auto picked = ui.openFileDialog(request)) {
        pathField = std::move(*picked);
        chosen = 1;
    }
}
