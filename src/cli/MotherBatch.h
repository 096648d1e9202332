// Several Mothers on one command line, cut by the same rule: each into Children named after its
// own file, beside it or in the folder --into gives; one that is refused or fails does not stop
// the others. A summary names each one's result, and the status is the worst of them.
#pragma once

#include "cli/CliOptions.h"
#include "cli/CliRun.h"

// Cuts the one Mother of its options (motherPath, and name when the Children are named apart).
using RunOneMother = int (*)(const CliOptions& options, const CliConsole& console);

// Every Mother of the options, --jobs at a time; a single Mother is cut as before, named into
// --into's folder when given.
int runMothers(const CliOptions& options, const CliConsole& console, RunOneMother runOne);
