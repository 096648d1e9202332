// The program's texts are UTF-8; the system's wide calls take UTF-16. A name in any script passes
// both ways whole, whatever the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

std::wstring wideOf(std::string_view utf8);
std::string utf8Of(std::wstring_view wide);

// Bytes in the system's own ANSI code page, the one it had before the manifest made UTF-8 the
// program's (Windows-1252 on a Western system), as UTF-8.
std::string utf8OfLegacy(std::string_view bytes);
