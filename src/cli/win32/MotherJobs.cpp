// The Windows toolchain's runtime (its win32 thread model) has no std::thread: the system's own
// threads and a critical section do the same.
#include "cli/MotherJobs.h"

#include <windows.h>

#include <vector>

namespace {

struct Jobs {
    std::size_t count = 0;
    const std::function<void(std::size_t)>* work = nullptr;
    const std::function<void(std::size_t)>* finished = nullptr;
    CRITICAL_SECTION lock;  // guards `next` and every call of `finished`
    std::size_t next = 0;
};

DWORD WINAPI worker(LPVOID argument)
{
    Jobs& jobs = *static_cast<Jobs*>(argument);
    for (;;) {
        EnterCriticalSection(&jobs.lock);
        const std::size_t index = jobs.next;
        if (index < jobs.count) {
            ++jobs.next;
        }
        LeaveCriticalSection(&jobs.lock);
        if (index == jobs.count) {
            return 0;
        }
        (*jobs.work)(index);
        EnterCriticalSection(&jobs.lock);
        (*jobs.finished)(index);
        LeaveCriticalSection(&jobs.lock);
    }
}

}  // namespace

void runJobs(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
             const std::function<void(std::size_t)>& finished)
{
    Jobs shared;
    shared.count = count;
    shared.work = &work;
    shared.finished = &finished;
    InitializeCriticalSection(&shared.lock);
    std::vector<HANDLE> threads;
    for (unsigned i = 0; i < jobs && i < count; ++i) {
        const HANDLE thread = CreateThread(nullptr, 0, worker, &shared, 0, nullptr);
        if (thread != nullptr) {
            threads.push_back(thread);
        }
    }
    if (threads.empty()) {
        worker(&shared);  // no thread could be started: this one does them all
    }
    for (const HANDLE thread : threads) {
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    DeleteCriticalSection(&shared.lock);
}
