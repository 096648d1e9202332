// START of a split dialog: the plan made from the record by the window's rules, written by the
// split writer, its progress drawn on the dialog and its end shown in a box.
#pragma once

#include <cstdint>

#include "core/AppState.h"
#include "planning/CutPlanning.h"
#include "writing/SplitFiles.h"
#include "planning/SplitPlan.h"
#include "ui/Platform.h"

// The three texts in which the two split dialogs differ.
struct SplitTexts {
    const char* afterEachChild = nullptr;  // percentage format drawn after each full Child
    const char* finalText = nullptr;       // percentage format drawn with the last, short Child
    const char* timeCaption = nullptr;     // caption of the elapsed-time box
};

using MillisecondClock = std::int64_t (*)();
std::int64_t processMilliseconds();

// What a split works with besides the record: the dialog that owns its boxes and is drawn on,
// the pen it made for itself, the file layer and the clock.
struct SplitTools {
    Platform& ui;
    WindowRef dialog = nullptr;
    DrawingSurface& surface;
    PenRef thickGreenPen = nullptr;
    SplitFiles& files;
    MillisecondClock clock = processMilliseconds;
};

// START: writes the Children, closes the Mother stream and shows the elapsed time. A split that
// cannot be done, or that fails on the way, writes nothing more, leaves only complete Children on
// disk and says why in a box instead. The record keeps the numbering, the last Child's name and
// the last header as the split left them.
void runSplit(AppState& state, SplitTools& tools, const SplitTexts& texts);
