#include "planning/ClockPlanning.h"

#include <memory>

#include "planning/ClockCuts.h"
#include "planning/CutTexts.h"

bool needsStart(const CutRequest& request) { return request.align || !request.timeName.empty(); }

PlannedClock clockOf(const CutRequest& request, const std::string& file, std::uint32_t rate,
                     const std::optional<ChunkBody>& bext, std::optional<Instant> now)
{
    PlannedClock planned;
    if (!onTheClock(request)) {
        return planned;
    }
    ZoneChoice zone = zoneOf(request.zone.empty() ? "local" : request.zone);
    if (!zone.zone) {
        planned.refusal = cutMessage(cuttext::ZONE_REFUSED, file, "\n" + zone.problem);
        return planned;
    }
    ChildClock clock;
    clock.zone = std::make_shared<const TimeZone>(std::move(*zone.zone));
    clock.pattern = request.timeName;
    clock.asTitle = request.timeAsTitle;
    clock.start.rate = rate;
    const std::optional<StartText> written = parseStartText(request.start);
    if (written && written->now && now) {
        clock.start.base = *now;
    } else if (written && !written->now) {
        clock.start.base = written->offset ? secondsOfCivil(written->civil) * NANOS_PER_SECOND + written->civil.nanos -
                                                 static_cast<Instant>(*written->offset) * NANOS_PER_SECOND
                                           : instantOfWallTime(*clock.zone, written->civil);
    } else if (const std::optional<BextStart> read =
                   request.start.empty() && bext ? startOfBext(*bext, rate, *clock.zone) : std::nullopt) {
        clock.start = read->start;
        if (!read->warning.empty()) {
            planned.warning = cutMessage(cuttext::START_FROM_ORIGINATION_TIME, file, "\n" + read->warning);
        }
    } else {
        if (needsStart(request)) {
            planned.refusal = cutMessage(cuttext::NO_START, file);
        }
        return planned;
    }
    planned.clock = std::move(clock);
    return planned;
}

void nameByClock(SplitPlan& plan)
{
    if (!plan.clock || plan.clock->pattern.empty() || plan.frameBytes == 0) {
        return;
    }
    ClockNames names;
    for (PlannedChild& child : plan.children) {
        const std::uint64_t firstFrame = (child.firstByte - plan.mother.dataAt) / plan.frameBytes;
        child.title = names.next(*plan.clock, child.number, firstFrame, plan.digits);
    }
}
