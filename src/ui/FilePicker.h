// Picking a file into one of the record's path fields, with its selection flag.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "ui/Platform.h"

// OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_CREATEPROMPT | OFN_EXPLORER | OFN_LONGNAMES
inline constexpr std::uint32_t PICK_FILE_FLAGS = 0x4 | 0x10 | 0x2000 | 0x80000 | 0x200000;
inline constexpr std::uint32_t PICK_FILE_MAX = 260;  // name buffer in UTF-16 letters, terminator included

// The filter list for a three-letter extension such as "WAV" or "TXT".
std::string buildFileFilter(std::string_view extension);

// Clears the flag; on confirmation stores the chosen path and sets the flag. A cancelled pick
// keeps the path, so it is offered again next time.
void pickFile(Platform& ui, WindowRef owner, std::string& pathField, std::string_view extension,
              std::string_view caption, Flag& chosen);
