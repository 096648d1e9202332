// morlando-split's own rules: the Mother in its own format and time, RIFF or RF64, an unfinished
// header read to the end of the file; every frame in one Child or another, end to end.
#pragma once

#include <optional>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "split/SplitPlan.h"

// The plan, or none after saying on standard error why the Mother or the length cannot be cut. An
// unfinished header is warned of and the plan made all the same.
std::optional<SplitPlan> planOwnTime(const CliOptions& options, const CliConsole& console);
