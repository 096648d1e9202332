// The planning of a cut for a Mother on standard input: the Mother its head describes, refused as
// a file of the same bytes would be, and the rule of the request that cuts it as its frames
// arrive, chosen as planCut chooses the spans of a file. Nothing is printed: what cannot be cut
// comes back as a refusal, as planCut's does.
#pragma once

#include <memory>
#include <optional>

#include "core/CutRequest.h"
#include "marks/StreamSilence.h"
#include "planning/ClockTime.h"
#include "planning/CutPlanning.h"
#include "planning/StreamRule.h"
#include "wav/WavStream.h"

struct PlannedStream {
    std::optional<MotherSource> mother;  // named "-", its samples from the head's last byte on
    // The plan the stream writer names and heads its Children by: the stem, the digits, the fmt
    // and the metadata before the samples they carry; no Children, which the rule tells.
    std::optional<SplitPlan> plan;
    std::unique_ptr<StreamRule> rule;    // none when refused
    const StreamSilenceCuts* silence = nullptr;  // inside the rule, when it cuts at silences: what it found
    std::optional<CutMessage> refusal;
    std::optional<CutMessage> startWarning;  // the start on the clock is the bext's OriginationTime
};

// Children are numbered from 1, those below the request's first piece left out. The request's
// rule is one a stream can serve (not a count, nor the markers that follow the samples). `now`
// is when the stream's samples began to arrive, for a start given as "now".
PlannedStream planStreamCut(const CutRequest& request, const StreamHead& head,
                            std::optional<Instant> now = std::nullopt);
