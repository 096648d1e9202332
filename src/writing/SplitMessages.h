// What a split that stopped tells the user: the window shows it in a box, the command line prints
// it. The texts are the program's own; the runtime's cause is told where it is known for sure.
#pragma once

#include <string>

#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"

struct SplitMessage {
    std::string caption;
    std::string text;  // lines joined by "\n"
};

// The message of a stopped split; a finished one has none to tell (empty caption and text).
SplitMessage stopMessage(const SplitPlan& plan, const SplitOutcome& outcome);
