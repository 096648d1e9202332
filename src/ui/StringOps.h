// The two string operations every part of the program shares.
#pragma once

#include <string>
#include <string_view>

// 0-based index of the first byte equal to ch, or -1; the end of the text is never matched.
int findChar(std::string_view text, char ch);

// Ends the text just before its first ".", wherever that dot stands (a folder name included).
void cutAtDot(std::string& text);
