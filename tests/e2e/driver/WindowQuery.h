// Looking at the windows of another process: its top-level dialogs, their controls and texts,
// and the keyboard focus of its user-interface thread.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "Log.h"

// Polls pred every 20 ms until it holds or waitMs have passed; returns its last answer.
template <class Pred>
bool waitUntil(DWORD waitMs, Pred pred)
{
    const ULONGLONG deadline = GetTickCount64() + waitMs;
    for (;;) {
        if (pred()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
}

inline constexpr char DIALOG_CLASS[] = "#32770";
// A message box's body text is the static text control with this identifier.
inline constexpr int MESSAGE_BOX_TEXT_ID = 65535;

HWND findTopLevel(DWORD processId, const char* className);
std::vector<HWND> topLevelWindows(DWORD processId);
std::vector<HWND> visibleDialogs(DWORD processId);

// The dialog that takes the input now: visible, enabled (a modal child disables its owner)
// and not one the driver has already dismissed.
HWND activeDialog(DWORD processId, const std::set<HWND>& dismissed);

std::string windowText(HWND window);
std::string windowClass(HWND window);
bool isMessageBox(HWND dialog);
std::vector<HWND> childrenOfClass(HWND parent, const char* className);
HWND focusedWindow(DWORD threadId);

// One line naming a window for failure reports: class, caption and, for a box, its text.
std::string describeWindow(HWND window);
