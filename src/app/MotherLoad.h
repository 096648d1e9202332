// Picking and loading the Mother wave: its sizes, its header and the stream left open on it.
#pragma once

#include "ui/Platform.h"

// The "&LOAD" command: closes an open Mother, picks a new one and loads it.
void loadMotherCommand(CommandContext& ctx);

// Loads the picked motherPath and shows its duration; a file the program cannot cut is refused
// with a message and leaves the earlier Mother facts as they were, with no Mother chosen.
void loadMother(CommandContext& ctx);
