#include "ui/Messages.h"

#include <cstdio>

namespace {

template <typename T>
std::string format(const char* pattern, T value)
{
    char text[400] = {};
    // A double of any size fits: 2^1024 has 309 digits.
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

}  // namespace

std::string formatInt(std::int32_t value) { return format(" %-4d ", static_cast<int>(value)); }

std::string formatUnsigned(std::uint32_t value) { return format("Wert = %u ", static_cast<unsigned>(value)); }

std::string formatReal(double value) { return format(" %.2f ", value); }

std::string numberLine(std::string_view label, std::uint64_t value)
{
    std::string line = "\n";
    line += label;
    line += std::to_string(value);
    return line;
}

void showNotice(Platform& ui, WindowRef owner, std::string_view text) { ui.messageBox(owner, text, text); }

void showText(Platform& ui, WindowRef owner, std::string_view caption, std::string_view text)
{
    ui.messageBox(owner, caption, text);
}

void showInt(Platform& ui, WindowRef owner, std::string_view label, std::int32_t value)
{
    ui.messageBox(owner, label, formatInt(value));
}

void showUnsigned(Platform& ui, WindowRef owner, std::string_view label, std::uint32_t value)
{
    ui.messageBox(owner, label, formatUnsigned(value));
}

void showReal(Platform& ui, WindowRef owner, std::string_view label, double value)
{
    ui.messageBox(owner, label, formatReal(value));
}
