#include "cli/MotherJobs.h"

#include <mutex>
#include <thread>
#include <vector>

void runJobs(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
             const std::function<void(std::size_t)>& finished)
{
    std::mutex lock;  // guards `next` and every call of `finished`
    std::size_t next = 0;
    const auto worker = [&] {
        for (;;) {
            std::size_t index = 0;
            {
                const std::lock_guard<std::mutex> taking(lock);
                if (next == count) {
                    return;
                }
                index = next++;
            }
            work(index);
            const std::lock_guard<std::mutex> telling(lock);
            finished(index);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < jobs && i < count; ++i) {
        threads.emplace_back(worker);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}
