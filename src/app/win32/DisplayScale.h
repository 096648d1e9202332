// The display's scale as the system tells it, in pixels to the inch (96 at 100 %).
#pragma once

#include <windows.h>

// The scale of the monitor the window stands on, where the system tells it per monitor (Windows
// 10 version 1607 and later); else the system's.
int windowDotsPerInch(HWND window);

// The system's scale, the one a new window opens at.
int systemDotsPerInch();
