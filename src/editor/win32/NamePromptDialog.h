// The prompt for a Child's name (IDD_TEXT_PROMPT): the caption the program gives, the field
// offering the name the piece has, OK (Enter) and CANCEL (Escape, the close box).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> runNamePrompt(HINSTANCE instance, HWND owner, std::string_view caption,
                                         std::string_view initial);
