// The program's only way of telling the user something: a modal box with one OK button.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Platform.h"

// The texts of the boxes, as the value formats put them.
std::string formatInt(std::int32_t value);        // " %-4d "
std::string formatUnsigned(std::uint32_t value);  // "Wert = %u "
std::string formatReal(double value);             // " %.2f "

// A line of a box's text that gives one number under its label; it starts with its line break.
std::string numberLine(std::string_view label, std::uint64_t value);

// One fixed text, shown as both caption and body.
void showNotice(Platform& ui, WindowRef owner, std::string_view text);
void showText(Platform& ui, WindowRef owner, std::string_view caption, std::string_view text);
void showInt(Platform& ui, WindowRef owner, std::string_view label, std::int32_t value);
void showUnsigned(Platform& ui, WindowRef owner, std::string_view label, std::uint32_t value);
void showReal(Platform& ui, WindowRef owner, std::string_view label, double value);
