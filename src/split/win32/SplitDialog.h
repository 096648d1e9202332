#pragma once

#include <windows.h>

#include "app/AppState.h"
#include "ui/Platform.h"

// What a split dialog's procedure needs; it travels in the dialog's creation parameter. The pen
// is the dialog's own: made when it opens, deleted when it closes.
struct SplitDialogContext {
    AppState& state;
    Platform& ui;
    SplitDialogKind kind;
    HPEN thickGreenPen = nullptr;
};

// Serves both split dialogs, IDD_SPLIT_TO_CHILDREN and IDD_NEWSPLIT.
INT_PTR CALLBACK splitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Deletes the dialog's pen if it is still there; safe to call more than once.
void releaseSplitDialogPen(SplitDialogContext& context);
