// The number prompt's behaviour, apart from its dialog: what it shows, and what OK and CANCEL store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "ui/Platform.h"

// The field's text as a number: 0 for an empty field, for text that is not a plain decimal
// number, and for numbers above 4 294 967 295. Blanks around the digits are allowed.
std::uint32_t parsePromptNumber(std::string_view fieldText);

// The part of the question the user sees: everything before its first "*" (nothing without one).
std::string visiblePromptText(std::string_view promptText);

// CANCEL: tells the user nothing was chosen, in a box owned by the prompt dialog.
void numberPromptCancel(Platform& ui, WindowRef dialog);

// Puts the question into promptText, asks for the number and keeps it in promptValue.
std::uint32_t askNumber(CommandContext& ctx, std::string_view question);
