// morlando-split as a whole: the command line read and made a cut request, the plan the split's
// planning makes of it (or its refusal) told, and the plan written by the split writer.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/StandardInput.h"
#include "planning/ClockTime.h"
#include "writing/SplitStopRequest.h"
#include "writing/ChildList.h"
#include "writing/SplitWriter.h"

// Exit statuses: the Children written (or planned), a refusal or failure, a wrong command line.
inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_REFUSED = 1;
inline constexpr int EXIT_USAGE = 2;

// What one Mother's split came to, for the summary of several: whether a plan was made, the
// Children written (or listed) and why the writer stopped.
struct MotherTally {
    bool planned = false;
    std::size_t children = 0;
    SplitStop stop = SplitStop::None;
    std::vector<ListedChild> listed;  // the Children written or planned, for --list
};

// What the program runs in: its two output streams, whether the second is a terminal, and the
// request a stop from outside (Ctrl+C, a signal, the console closing) sets, none when nothing can
// stop it; where one Mother's run is told (when it is one of several), and whether its progress
// is shown (not when several Mothers are split at once: one line for each is told as it ends).
struct CliConsole {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    SplitStopRequest* stop = nullptr;
    MotherTally* tally = nullptr;
    bool progress = true;
    const StandardInput* input = nullptr;  // where a Mother given as - is read from; none: nowhere
    // What time it is, for --start now; none: the system's clock.
    std::function<Instant()> clock = nullptr;
};

// args are the words after the program's name; returns the exit status.
int runCli(const std::vector<std::string>& args, const CliConsole& console);

std::string helpText();
