// The two string operations every part of the program shares.
#pragma once

#include <string>
#include <string_view>

// 0-based index of the first byte equal to ch, or -1; the end of the text is never matched.
int findChar(std::string_view text, char ch);

// Ends a path just before the first "." of its file name, the part after its last "\" or "/";
// dots in folder names stay, and a file name without a dot keeps the path whole.
void cutFileNameAtDot(std::string& path);
