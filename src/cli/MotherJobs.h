// Several Mothers split at a time: each system starts its threads in its own way (the Windows
// toolchain's runtime has no std::thread).
#pragma once

#include <cstddef>
#include <functional>

// Runs work(0) to work(count - 1), each once, on up to `jobs` threads at a time; finished(i) is
// called after work(i), on the same thread, never two at once, so that what it prints stays
// whole. Returns when every one has finished.
void runJobs(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& work,
             const std::function<void(std::size_t)>& finished);
