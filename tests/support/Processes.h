// Process ids for the tests of what a killed run leaves: one that surely ran and has ended, and
// one that surely runs.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>

// A child process that ended at once and was waited for: its id runs no process now (until the
// system hands it out again, which takes tens of thousands of new processes).
inline std::uint32_t endedProcessId()
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return static_cast<std::uint32_t>(child);
}

// The process that started the tests, which waits for them.
inline std::uint32_t runningProcessId() { return static_cast<std::uint32_t>(getppid()); }
