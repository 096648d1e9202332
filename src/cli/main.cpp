// morlando-split: the split of the window, run from a command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "cli/ConsoleHost.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    SplitStopRequest& stop = splitStopRequest();
    catchStops(stop);
    writeUtf8ToConsole();
    const StandardInput input = openStandardInput();
    const CliConsole console{std::cout, std::cerr, standardErrorIsTerminal(), &stop, nullptr, true, &input};
    const int status = runCli(args, console);
    std::cout.flush();
    std::cerr.flush();
    return stop.requested() ? endStopped(stop.status()) : status;
}
