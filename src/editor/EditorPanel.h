// The editor's behaviour in its child window: the keys and the mouse as calls of the editor's
// values, the record told of every change of the cuts, and the picture drawn on each repaint.
// Keys the editor does not know are left for later ones (listening) to take.
#pragma once

#include <string>
#include <string_view>

#include "core/AppState.h"
#include "ui/Platform.h"

// The characters of the name a Windows file name cannot hold, each once, in the order they come.
std::string refusedNameCharacters(std::string_view name);

// The program's one editor panel, for this record, window system and main window.
PanelHandler& editorPanel(AppState& state, Platform& ui, WindowRef mainWindow);
