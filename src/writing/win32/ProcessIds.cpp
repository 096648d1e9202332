#include "writing/TemporaryChild.h"

#include <windows.h>

// A process that may not be opened for a look exists all the same; one that ended but is still
// held open by someone answers with its exit code.
bool processRuns(std::uint32_t processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

std::uint32_t thisProcessId() { return GetCurrentProcessId(); }
