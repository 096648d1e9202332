// The display commands: the two waveform drawings and the cut preview, drawn straight into the
// main window's client area on top of whatever it shows. Nothing drawn is remembered.
#pragma once

#include "ui/Platform.h"

// "WAVESHOW": every frame from the data start of the open Mother stream, which it then closes;
// without an open stream only the baselines.
void showWaveFull(CommandContext& ctx);

// "WAVESHOW Ultrafast" and "WAVESHOW auto": reopens the Mother for itself and closes it again.
void showWaveSampled(CommandContext& ctx);

// "Preview  CUTs": only for a piece length taken from a template; the lines, then the count of
// whole pieces.
void previewCuts(CommandContext& ctx);
