// Saves what the screen shows inside a rectangle as a 24-bit BMP file (the run script turns
// it into a PNG). Reading the screen rather than asking the window to print itself keeps the
// menu bar and frame exactly as drawn.
#pragma once

#include <windows.h>

#include <string>

// Returns an empty text on success, otherwise what went wrong.
std::string saveScreenRect(const RECT& area, const std::string& bmpPath);
