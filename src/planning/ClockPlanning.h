// The wall clock of a cut request for one Mother: its zone, its start (written, "now" for a
// stream, or read from its bext) and how its Children are named by it; and the names themselves,
// given in the order the Children are written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/CutRequest.h"
#include "planning/ClockNames.h"
#include "planning/CutPlanning.h"
#include "wav/WavMetadata.h"

struct PlannedClock {
    std::optional<ChildClock> clock;  // none when the request counts on no clock, or has no start it does not need
    std::optional<CutMessage> refusal;
    std::optional<CutMessage> warning;  // the start is the bext's OriginationTime, not its TimeReference
};

// Whether the request cannot do without a start: it cuts or names by the clock.
bool needsStart(const CutRequest& request);

// The clock of the request for the Mother named `file` (as messages name it), at its rate, with
// its bext if it has one; `now` is the instant "now" stands for, none where it means nothing.
PlannedClock clockOf(const CutRequest& request, const std::string& file, std::uint32_t rate,
                     const std::optional<ChunkBody>& bext, std::optional<Instant> now = std::nullopt);

// Each Child's title made its name (or the title after its number) on the clock, in plan order.
void nameByClock(SplitPlan& plan);
