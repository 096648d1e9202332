// The cut editor's child window over the main window's whole client area: it paints its panel
// off screen and copies it in one step, and turns keys, mouse and scroll bar into the panel's calls.
#pragma once

#include <windows.h>

#include "ui/Platform.h"

void openEditorWindow(HINSTANCE instance, HWND owner, PanelHandler& handler);
// Destroys the editor's window; the owner's client area is painted again as it paints it.
void closeEditorWindow(HWND owner);
bool editorWindowOpen();
// Has the panel's onTick called every everyMs milliseconds; 0 stops it.
void tickEditorWindow(unsigned everyMs);
void repaintEditorWindow();
// The main window's client area changed size, or it took the focus back: the editor follows.
void fitEditorWindow(HWND owner);
void focusEditorWindow();
