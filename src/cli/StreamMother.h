// A Mother on standard input as morlando-split reads it: its header read once from the stream,
// refused as a file of the same bytes would be, and the rule that cuts it as the frames arrive,
// chosen as the options choose the rule of a file.
#pragma once

#include <memory>
#include <optional>

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "marks/StreamSilence.h"
#include "split/SplitPlan.h"
#include "split/StreamSplit.h"
#include "wav/WavStream.h"

// The stream read a block at a time until `bytes` came, it ended, or a stop was asked for.
StreamBytes wholeReadsOf(const StreamSource& source, const SplitStopRequest& stop);

// The Mother the head describes (named "-"; its samples from the head's last byte on, their
// number unknown), or none after saying why it cannot be cut.
std::optional<MotherSource> streamMotherOf(const StreamHead& head, const CliConsole& console);

// The rule of the options for this Mother; none after saying why it cannot cut it. Children
// are numbered from 1, those below --from left out. The silence rule is also kept in `silence`
// so that its findings can be told.
std::unique_ptr<StreamRule> streamRuleOf(const CliOptions& options, const MotherSource& mother,
                                         const CliConsole& console, const StreamSilenceCuts** silence);
