// The commands of the Marks menu: each sets the cut where the recording says (its markers, a
// label list, a CUE sheet, its silences), as the time commands set a length, after saying how
// many Children it gives, or why the Mother cannot be cut so.
#pragma once

#include "core/AppState.h"
#include "planning/CutPlanning.h"
#include "ui/Platform.h"

void cutAtMarkers(CommandContext& ctx);
void cutAtLabels(CommandContext& ctx);
void cutAtCueSheet(CommandContext& ctx);
void cutAtSilences(CommandContext& ctx);
// Cuts where the wall clock, from the Mother's bext start in the system's zone, shows a multiple
// of the minutes asked; the Children are STEM<N>-<YYYY-MM-DD_HH-MM-SS>.WAV.
void cutAtClockTimes(CommandContext& ctx);
