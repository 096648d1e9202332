// Nothing may unwind through the window system's frames: whatever escapes a window or dialog
// procedure is turned into a message box here.
#pragma once

#include <windows.h>

#include <exception>

template <typename Body, typename Result>
Result guardedCall(HWND owner, Body&& body, Result onFailure)
{
    try {
        return body();
    } catch (const std::exception& failure) {
        MessageBoxA(owner, failure.what(), "MORLANDO", MB_OK | MB_ICONERROR);
    } catch (...) {
        MessageBoxA(owner, "unexpected failure", "MORLANDO", MB_OK | MB_ICONERROR);
    }
    return onFailure;
}
