// The Edit menu: the cut editor opened over the main window (or closed), its list of cuts loaded
// and saved, its undo and redo, snapping to zero and the whole wave.
#pragma once

#include "ui/Platform.h"

// Mothers longer than this are read for the editor under a progress bar with CANCEL.
inline constexpr std::uint64_t SUMMARY_PROGRESS_BYTES = 64ull * 1024 * 1024;

void editCutsOnWave(CommandContext& ctx);
void loadCutList(CommandContext& ctx);
void saveCutList(CommandContext& ctx);
void undoCut(CommandContext& ctx);
void redoCut(CommandContext& ctx);
void snapToZero(CommandContext& ctx);
void zoomWholeWave(CommandContext& ctx);

// After any command: a cut the record took from elsewhere (a length or a Marks command, a loaded
// setting) is shown in the open editor, one step on; the editor closes when it cannot be had.
void followRecord(CommandContext& ctx);

// Closes the editor when it is open; the main window shows what it showed before.
void closeCutEditor(CommandContext& ctx);
