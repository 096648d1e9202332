#include "cli/ConsoleHost.h"

#include <windows.h>

#include <io.h>

#include <cstdio>
#include <cstdlib>

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

UINT outputCodePageBefore = 0;

// At the program's end, after everything it prints has gone out in UTF-8.
void putBackOutputCodePage()
{
    std::fflush(nullptr);
    SetConsoleOutputCP(outputCodePageBefore);
}

bool isConsole(DWORD standardHandle)
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(standardHandle), &mode) != 0;
}

}  // namespace

bool standardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void writeUtf8ToConsole()
{
    if (!isConsole(STD_OUTPUT_HANDLE) && !isConsole(STD_ERROR_HANDLE)) {
        return;
    }
    outputCodePageBefore = GetConsoleOutputCP();
    if (outputCodePageBefore != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        std::atexit(putBackOutputCodePage);
    }
}

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
