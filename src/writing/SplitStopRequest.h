// A request to stop a running split, made from outside the writer's own steps: Ctrl+C or a
// termination signal of morlando-split, the session ending or the main window closing. Whoever
// asks only sets it; the writer looks at it between and inside Children, finishes no further
// Child, removes the one it was writing and returns.
#pragma once

#include <atomic>
#include <functional>
#include <string>

class SplitStopRequest {
public:
    // Safe from a signal handler or another thread: one lock-free store. The first request's
    // status is kept, so a second Ctrl+C during the clean-up changes nothing.
    void request(int status)
    {
        int none = 0;
        status_.compare_exchange_strong(none, status == 0 ? 1 : status);
    }
    bool requested() const { return status_.load() != 0; }
    // What the request asked the program to end with (the command line's exit status); 0 when none.
    int status() const { return status_.load(); }
    void clear() { status_.store(0); }

    // Called where the writer looks at the request, so that a window program can take the
    // messages sent to it meanwhile (a session ending, its window closing) and answer them.
    std::function<void()> poll;

    // Set by the writer for as long as it runs: removes the temporary file of the Child being
    // written, if there is one. Only for a caller that ends the process at once, without
    // returning to the writer (the session has ended), which never runs again.
    std::function<void()> abandon;
    bool splitRuns() const { return static_cast<bool>(abandon); }

private:
    std::atomic<int> status_{0};
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch a lock-free atomic");
};

// The program's one request, shared by its front end and the writer.
SplitStopRequest& splitStopRequest();
