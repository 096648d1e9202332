// morlando-split with "-" as the Mother: the WAV on standard input split as it arrives, by the
// rules that need no look at its end, into the Children the same file would give.
#pragma once

#include <optional>
#include <string>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"

// Whether the line's Mother is "-".
bool readsStream(const CliOptions& options);

// Why the line cannot split a stream, naming the option; none when it can.
std::optional<std::string> streamProblem(const CliOptions& options);

// Splits standard input; returns the exit status (2 for a line a stream cannot serve, after
// saying why).
int runStream(const CliOptions& options, const CliConsole& console);
