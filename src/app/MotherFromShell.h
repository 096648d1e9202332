// A Mother named by the system's shell rather than picked: a file given on the command line
// ("Open with", a file dropped on the program's icon) or dropped on the main window.
#pragma once

#include <string>
#include <vector>

#include "ui/Platform.h"

// Loads the files as the Mother exactly as LOAD does after its pick: the duration, or the
// refusal of a file the program cannot cut. No file does nothing; more than one is refused and
// leaves the Mother as it was.
void loadMotherFromShell(CommandContext& ctx, const std::vector<std::string>& files);
