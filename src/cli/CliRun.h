// morlando-split as a whole: the command line read, the Mother loaded as LOAD does, the piece
// length chosen as the cut commands do, and the split dialog's own START run without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/ConsolePlatform.h"

// Exit statuses: the Children written (or planned), a refusal or failure, a wrong command line.
inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_REFUSED = 1;
inline constexpr int EXIT_USAGE = 2;

// What the program runs in: its two output streams and the system's answers.
struct CliConsole {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    std::string nullDevice;
};

// args are the words after the program's name; returns the exit status.
int runCli(const std::vector<std::string>& args, const CliConsole& console);

std::string helpText();
