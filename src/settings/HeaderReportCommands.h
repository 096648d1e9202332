// "Header to List.txt of" and "Header 44  List.txt": a WAV's header described at the end of the
// list file. The list file is asked for once a run, by whichever report runs first; the WAV is
// picked into the template's path and flag, so a report changes the template selection.
#pragma once

#include "ui/Platform.h"

void listHeaderValues(CommandContext& ctx);
void dumpHeaderBytes(CommandContext& ctx);
