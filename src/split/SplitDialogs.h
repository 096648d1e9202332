// The two split dialogs apart from their windows: the commands that open them, what they do on
// every message, on painting and on START.
#pragma once

#include "app/AppState.h"
#include "split/SplitEngine.h"
#include "ui/Platform.h"

const SplitTexts& splitTextsOf(SplitDialogKind kind);

// On every message of a split dialog: a piece length from a time or a number of pieces gives
// the Children the program's own 16-bit stereo 44 100 Hz header fields.
void prepareSplitHeader(AppState& state);

// The dialog's painting: both empty tracks.
void paintSplitDialog(DrawingSurface& surface, const AppState& state);

// START: runs the split with the dialog's texts, drawing on the dialog, on the given files.
void startSplit(AppState& state, Platform& ui, WindowRef dialog, PenRef thickGreenPen, SplitDialogKind kind,
                SplitFiles& files);

// ALLSPLIT and SPLIT TO CHILDREN, once the dispatcher's preconditions hold.
void openSplitToChildren(CommandContext& ctx);
void openNewSplit(CommandContext& ctx);
