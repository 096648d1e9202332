// Typed keys and mouse clicks, sent through the system's input queue (SendInput), so that they
// reach the program exactly as a user's would: through its message loop and accelerators.
#pragma once

#include <windows.h>

#include <string>

// Types a combination such as "alt+?", "alt+/", "enter" or "shift+tab": the modifiers are
// held down, the last key is pressed and released, then the modifiers are released in reverse.
// A one-character key is mapped through the keyboard layout (so "?" adds shift on a US layout).
// Returns an empty text on success, otherwise what could not be typed.
std::string typeCombination(const std::string& combination);

// Moves the mouse to the screen point and clicks the left button there.
void clickAt(POINT screenPoint);

// The same, two clicks in a row: a double-click.
void doubleClickAt(POINT screenPoint);

// Makes window the foreground window and waits until it is; false when it did not become so.
bool bringToFront(HWND window, DWORD waitMs);
