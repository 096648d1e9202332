// The string operations every part of the program shares.
#pragma once

#include <string>
#include <string_view>

// 0-based index of the first byte equal to ch, or -1; the end of the text is never matched.
int findChar(std::string_view text, char ch);

// Ends a path just before the first "." of its file name, the part after its last "\" or "/";
// dots in folder names stay, and a file name without a dot keeps the path whole.
void cutFileNameAtDot(std::string& path);

// Whether the bytes are well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no UTF-16 surrogate, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text);

// How many UTF-16 letters the UTF-8 text makes, as Windows counts a name's length: one for each
// letter, two for one beyond U+FFFF (a lead byte of four).
std::size_t utf16Length(std::string_view utf8);
