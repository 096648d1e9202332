#pragma once

#include <windows.h>

#include "core/AppState.h"
#include "ui/Platform.h"

// The running program: its record and its window system, reached by the window procedure.
struct Program {
    AppState& state;
    Platform& ui;
};

void registerMainWindowClass(HINSTANCE instance, const Program& program);

// Creates and shows the main window; false when it cannot be made.
bool createMainWindow(HINSTANCE instance, int showCommand);

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
