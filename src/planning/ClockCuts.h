// Where the wall clock cuts a Mother: its start read from its bext when no --start gives it, and
// the cuts where the time of day in the zone is a whole multiple of a period that divides a day.
// Boundaries are instants: when clocks go back the repeated hour is cut twice, when they go
// forward the skipped hour is not cut at all. A cut at boundary B is at the Mother's frame
// ceil((B - start) x rate), in integers.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/CutRequest.h"
#include "planning/ClockTime.h"
#include "planning/StreamRule.h"
#include "planning/TimeZone.h"
#include "wav/ChildSpan.h"
#include "wav/WavMetadata.h"

// The start a bext gives: its OriginationDate with the time of day of its TimeReference (samples
// since midnight at the Mother's rate) where that is within 2 s of its OriginationTime, else its
// OriginationTime, and then `warning` says so. None when its date or time cannot be read.
struct BextStart {
    ClockStart start;
    std::string warning;
};
std::optional<BextStart> startOfBext(const ChunkBody& bext, std::uint32_t rate, const TimeZone& zone);

// The period of --every --align in nanoseconds, when it is a time (not frames) of whole
// nanoseconds that divides 24 hours; none otherwise.
std::optional<std::int64_t> alignPeriodOf(const TimeLength& every);

// The first frame after `afterFrame` at which a boundary falls.
std::uint64_t nextAlignedCut(const ClockStart& start, const TimeZone& zone, std::int64_t period,
                             std::uint64_t afterFrame);

// The Mother's frames cut at every boundary within them: the first and the last span shorter.
ChildSpans alignedSpans(const ClockStart& start, const TimeZone& zone, std::int64_t period, std::uint64_t motherFrames);

// A stream cut at every boundary as its frames arrive, numbered from 1; above 0, `from` leaves
// out those numbered below it.
std::unique_ptr<StreamRule> alignedRule(const ClockStart& start, std::shared_ptr<const TimeZone> zone,
                                        std::int64_t period, std::int32_t from);
