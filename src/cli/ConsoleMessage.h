// A message of the split or the Mother load as one message on standard error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "morlando-split: caption", then each line of the text indented by two blanks; the blanks
// around the caption and the lines are the window's, not the console's, and empty lines go.
std::string consoleMessage(std::string_view caption, std::string_view text);

// A line of a message that gives one number under its label; it starts with its line break.
std::string numberLine(const char* label, std::uint64_t value);
