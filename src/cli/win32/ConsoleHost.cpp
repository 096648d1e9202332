#include "cli/ConsoleHost.h"

#include <windows.h>

#include <io.h>

#include <cstdio>

namespace {

constexpr int INTERRUPTED = 130;  // as a shell reports a program that Ctrl+C ended
// The system ends the program some seconds after its console closes, whatever the handler does;
// the clean-up takes far less.
constexpr DWORD CLEAN_UP_MILLISECONDS = 4000;

SplitStopRequest* stopRequest = nullptr;
HANDLE cleanedUp = nullptr;

// Runs on a thread of its own. Ctrl+C and Ctrl+Break only ask; a closing console ends the program
// as soon as this returns, so it waits for the clean-up first.
BOOL WINAPI askToStop(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT: stopRequest->request(INTERRUPTED); return TRUE;
    case CTRL_CLOSE_EVENT:
        stopRequest->request(INTERRUPTED);
        WaitForSingleObject(cleanedUp, CLEAN_UP_MILLISECONDS);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

bool standardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void catchStops(SplitStopRequest& request)
{
    stopRequest = &request;
    cleanedUp = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(askToStop, TRUE);
}

int endStopped(int status)
{
    std::fflush(nullptr);
    SetEvent(cleanedUp);
    return status;
}
