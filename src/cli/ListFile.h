// morlando-split's --list: the Children of every Mother of the command line (or of the stream)
// written to the list's file once the run has ended.
#pragma once

#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"

// The list of the Mothers' Children in the order of the command line; a run the writer did not
// finish says so in the list's last row. Returns the status, made a failure when the list cannot
// be written; nothing is done without --list.
int withList(const CliOptions& options, const CliConsole& console, const std::vector<const MotherTally*>& tallies,
             int status);
