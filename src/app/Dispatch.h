// The menu's command dispatcher: each command's preconditions, their refusals and its action.
#pragma once

#include "ui/Platform.h"

// Runs the command; false when the identifier is not one of the menu's commands.
bool dispatchCommand(CommandContext& ctx, int commandId);
