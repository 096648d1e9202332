// Work done inside the running program by a hook of the hook DLL (menuhook/): the driver
// installs the hook on the program's user-interface thread, so the system loads the DLL there,
// and sends the window a registered message carrying a global atom with a text: a file path, or
// the values of the request. The hook sees the message before the window procedure, so its work
// is done when the send returns.
#pragma once

#include <windows.h>

#include <string>

// Returns an empty text on success, otherwise what went wrong.
std::string runHookRequest(const std::string& hookDll, const char* hookExport, const char* messageName, HWND window,
                           const std::string& path);
