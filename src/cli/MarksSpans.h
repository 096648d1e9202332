// The rules that cut where a recording says (its markers, a label list, a CUE sheet, its
// silences) as morlando-split reads them, and the Mother's metadata its Children carry.
#pragma once

#include <optional>
#include <string>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "split/SplitPlan.h"
#include "wav/WavMetadata.h"

// The Mother's markers, bext and iXML, read from its file; none found when it cannot be read.
WavMetadata readMotherMetadata(const std::string& path);

// The Children of the rule the options choose, each title fitted into its Child's name (the
// Children numbered from 1 after the stem); none after saying on standard error why not. When the
// silences give no cut, says so on standard output (unless quiet).
std::optional<ChildSpans> spansAtMarks(const CliOptions& options, const MotherSource& mother, const std::string& stem,
                                       const CliConsole& console);
