#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "ui/Platform.h"

// Runs the number prompt (IDD_NUMBER_PROMPT) modally with the question and returns its number:
// the field's number on OK, 0 on CANCEL after its box, which `ui` shows.
std::uint32_t runNumberPrompt(HINSTANCE instance, HWND owner, std::string_view question, Platform& ui);
