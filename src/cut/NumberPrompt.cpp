#include "cut/NumberPrompt.h"

#include <limits>

#include "ui/Messages.h"
#include "ui/StringOps.h"
#include "ui/Texts.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

}  // namespace

std::uint32_t parsePromptNumber(std::string_view fieldText)
{
    const std::string_view digits = trimBlanks(fieldText);
    if (digits.empty()) {
        return 0;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return 0;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::string visiblePromptText(std::string_view promptText)
{
    const int star = findChar(promptText, '*');
    return star < 0 ? std::string() : std::string(promptText.substr(0, static_cast<std::size_t>(star)));
}

void numberPromptCancel(Platform& ui, WindowRef dialog)
{
    showText(ui, dialog, text::PROMPT_CANCEL_CAPTION, text::PROMPT_CANCEL_TEXT);
}

std::uint32_t askNumber(CommandContext& ctx, std::string_view question)
{
    ctx.state.promptText = std::string(question);
    ctx.state.promptValue = ctx.ui.promptNumber(ctx.mainWindow, ctx.state.promptText);
    return ctx.state.promptValue;
}
