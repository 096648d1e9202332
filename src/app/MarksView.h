// What the window shows of a cut at the marks: Preview CUTs draws its cuts and counts its
// Children, and each waveform drawing shows its marks over the trace. Any other cut is shown as
// the display commands show it.
#pragma once

#include "ui/Platform.h"

void previewCutsOrMarks(CommandContext& ctx);

// The waveform command, then the marks over it.
void showWaveWithMarks(CommandContext& ctx, void (*showWave)(CommandContext&));
