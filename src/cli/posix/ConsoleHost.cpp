#include "cli/ConsoleHost.h"

#include <signal.h>
#include <unistd.h>

namespace {

SplitStopRequest* stopRequest = nullptr;

// The status a shell gives a program ended by the signal: 128 plus its number.
void askToStop(int signalNumber) { stopRequest->request(128 + signalNumber); }

constexpr int STOPPING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

void writeUtf8ToConsole() {}

// SA_RESTART: a write of a Child that the signal interrupts goes on, rather than failing as if the
// disk had refused it; the writer looks at the request after it.
void catchStops(SplitStopRequest& request)
{
    stopRequest = &request;
    struct sigaction action {};
    action.sa_handler = askToStop;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : STOPPING_SIGNALS) {
        sigaction(signalNumber, &action, nullptr);
    }
}

int endStopped(int status) { return status; }
