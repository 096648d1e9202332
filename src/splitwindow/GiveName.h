// "Give Name": the Children's name, picked in the window.
#pragma once

#include "ui/Platform.h"

// Picks the Children's name; a confirmed pick fixes the stem and restarts the numbering at 1.
void giveName(CommandContext& ctx);
