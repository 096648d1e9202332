#include "writing/TemporaryChild.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

// A signal 0 checks that the process exists without touching it; one of another user exists too.
bool processRuns(std::uint32_t processId)
{
    const auto id = static_cast<pid_t>(processId);
    if (id <= 0) {
        return false;
    }
    return ::kill(id, 0) == 0 || errno == EPERM;
}

std::uint32_t thisProcessId() { return static_cast<std::uint32_t>(::getpid()); }
