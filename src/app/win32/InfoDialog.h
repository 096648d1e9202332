#pragma once

#include <windows.h>

INT_PTR CALLBACK infoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
