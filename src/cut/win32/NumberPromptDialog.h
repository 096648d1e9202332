#pragma once

#include <windows.h>

#include "app/AppState.h"
#include "ui/Platform.h"

// What the prompt's procedure needs; it travels in the dialog's creation parameter.
struct NumberPromptContext {
    AppState& state;
    Platform& ui;
};

INT_PTR CALLBACK numberPromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
