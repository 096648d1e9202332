// The two commands of the shell itself: Info and Quit.
#pragma once

#include "ui/Platform.h"

void showInfo(CommandContext& ctx);

// Closes every stream, deletes the two waveform pens and destroys the main window; the window's
// destruction then ends the message loop.
void quit(CommandContext& ctx);

// What the main window does when it is destroyed, however that came about.
void onMainWindowDestroyed(AppState& state);
