// The two split dialogs apart from their windows: the commands that open them, and what they do
// on every message, on painting and on START.
#pragma once

#include "core/AppState.h"
#include "splitwindow/SplitEngine.h"
#include "ui/Platform.h"

// The two dialogs that run a split, named after the commands that open them: ALLSPLIT opens
// "SPLIT to Children", SPLIT TO CHILDREN opens "NEWSPLIT".
enum class SplitDialogKind { AllSplit, SplitToChildren };

const SplitTexts& splitTextsOf(SplitDialogKind kind);
int splitDialogIdOf(SplitDialogKind kind);

// On every message of a split dialog: a piece length from a time or a number of pieces gives
// the Children the program's own 16-bit stereo 44 100 Hz header fields.
void prepareSplitHeader(AppState& state);

// What a split dialog does: the header prepared on every message, both empty tracks painted,
// and START running the split on the given files, drawing on the dialog.
class SplitDialogHandler : public DialogHandler {
public:
    SplitDialogHandler(AppState& state, Platform& ui, SplitDialogKind kind, SplitFiles& files,
                       MillisecondClock clock = processMilliseconds);

    void onMessage() override;
    void onPaint(DrawingSurface& surface) override;
    void onStart(WindowRef dialog, PenRef thickGreenPen) override;

private:
    AppState& state_;
    Platform& ui_;
    SplitDialogKind kind_;
    SplitFiles& files_;
    MillisecondClock clock_;
};

// ALLSPLIT and SPLIT TO CHILDREN, once the dispatcher's preconditions hold.
void openAllSplit(CommandContext& ctx);
void openSplitToChildren(CommandContext& ctx);
