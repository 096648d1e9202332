#include "planning/StreamPlanning.h"

#include <limits>
#include <string>

#include "planning/ClockCuts.h"
#include "planning/ClockPlanning.h"
#include "planning/CutSteps.h"
#include "planning/CutTexts.h"
#include "planning/MarksSpans.h"
#include "planning/MotherRefusal.h"
#include "planning/SpanRules.h"
#include "planning/StreamRules.h"
#include "ui/Messages.h"
#include "wav/ChildWavHeader.h"
#include "wav/SampleFormat.h"
#include "wav/SampleLevels.h"

namespace {

// The silences of the stream, found as its frames arrive.
class AtSilence : public StreamRule {
public:
    AtSilence(const SampleLayout& layout, const SilenceRule& rule) : cuts_(layout, rule) {}

    // One Child from the first frame on; every other begins at a cut.
    std::optional<StreamChild> nextChild() override
    {
        if (begun_) {
            return std::nullopt;
        }
        begun_ = true;
        return StreamChild{1, 0, std::nullopt, {}};
    }
    std::vector<std::uint64_t> look(const std::uint8_t* frames, std::uint64_t first, std::uint64_t count) override
    {
        return cuts_.look(frames, first, count);
    }
    std::vector<std::uint64_t> ended(std::uint64_t frames) override { return cuts_.ended(frames); }
    bool looksAtFrames() const override { return true; }

    const StreamSilenceCuts& cuts() const { return cuts_; }

private:
    StreamSilenceCuts cuts_;
    bool begun_ = false;
};

std::optional<MotherSource> streamMotherOf(const StreamHead& head, PlannedCut& cut)
{
    MotherFacts facts;
    facts.headerBytesRead = head.headerBytesRead;
    facts.fileBytes = head.bytesRead;
    facts.layout = head.layout;
    if (const std::optional<MotherRefusal> refusal = motherRefusalFor(findSplitProblem(facts), facts)) {
        cut.refusal = cutMessage(refusal->caption, cuttext::STREAM_NAME, refusal->numbers);
        return std::nullopt;
    }
    const WavFormat& format = head.layout.format;
    if (sampleFormatProblem(format) != FormatProblem::None) {
        cut.refusal = cutMessage(cuttext::FORMAT_REFUSED, cuttext::STREAM_NAME, formatLines(format));
        return std::nullopt;
    }
    MotherSource mother;
    mother.path = cuttext::STREAM_NAME;  // where a message names the Mother's file
    mother.dataAt = head.bytesRead;
    mother.dataChunkBytes = head.layout.dataBytes;
    mother.format = format;
    mother.fmtBody = carriedFmtBody(head.layout);
    return mother;
}

std::unique_ptr<StreamRule> streamRuleOf(const CutRequest& request, const MotherSource& mother, PlannedStream& planned,
                                         const std::optional<ChildClock>& clock, PlannedCut& cut)
{
    const std::uint32_t rate = mother.format->sampleRate;
    if (request.align && clock) {
        const std::optional<std::int64_t> period = alignPeriodOf(request.every);
        if (!period) {
            cut.refusal = cutMessage(cuttext::ALIGN_REFUSED, cuttext::STREAM_NAME);
            return nullptr;
        }
        return alignedRule(clock->start, clock->zone, *period, request.from);
    }
    switch (request.rule) {
    case CutRule::Time: {
        const std::optional<std::uint64_t> piece = pieceFramesOf(framesOf(request.every, rate), mother, cut);
        return piece ? everyFramesRule(*piece, request.from) : nullptr;
    }
    case CutRule::Like: {
        const std::optional<TemplateWav> read = readTemplate(request.likePath, cut);
        const std::optional<std::uint64_t> piece =
            read ? pieceFramesOf(framesOfTemplate(*read, mother), mother, cut) : std::nullopt;
        return piece ? everyFramesRule(*piece, request.from) : nullptr;
    }
    case CutRule::Labels:
    case CutRule::Cue: {
        // The lists are read as for a Mother with no end in sight: a time past the stream's end
        // is a cut that never comes, and the span it would end goes on to the stream's end.
        MotherSource endless = mother;
        const std::uint64_t frame = mother.format->blockAlign;
        endless.sampleBytes = std::numeric_limits<std::uint64_t>::max() / 2 / frame * frame;
        const std::optional<ChildSpans> spans = spansAtMarks(request, endless, cut);
        return spans ? spansRule(*spans, endless.sampleBytes / frame, request.from) : nullptr;
    }
    case CutRule::Silence: {
        const std::optional<SampleLayout> layout = sampleLayoutOf(*mother.format);
        if (!layout) {
            cut.refusal = cutMessage(cuttext::MOTHER_NOT_READ_WHOLE, cuttext::STREAM_NAME);
            return nullptr;
        }
        const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
        const SilenceRule rule{request.silenceDb, framesOf(request.silenceMin, rate).value_or(most),
                               framesOf(request.minPiece, rate).value_or(most)};
        auto found = std::make_unique<AtSilence>(*layout, rule);
        planned.silence = &found->cuts();
        return found;
    }
    default: return nullptr;  // the front end refuses the others before the stream is read
    }
}

}  // namespace

PlannedStream planStreamCut(const CutRequest& request, const StreamHead& head, std::optional<Instant> now)
{
    PlannedStream planned;
    PlannedCut cut;
    planned.mother = streamMotherOf(head, cut);
    PlannedClock clock;
    if (planned.mother) {
        clock = clockOf(request, cuttext::STREAM_NAME, planned.mother->format->sampleRate, head.metadata.bext, now);
        planned.startWarning = std::move(clock.warning);
        cut.refusal = std::move(clock.refusal);
    }
    if (planned.mother && !cut.refusal) {
        planned.rule = streamRuleOf(request, *planned.mother, planned, clock.clock, cut);
    }
    planned.refusal = std::move(cut.refusal);
    if (!planned.rule) {
        return planned;
    }
    SplitPlan plan = planSpans(*planned.mother, {}, {request.stem, 1, request.from, request.blockBytes});
    plan.digits = paddedWidth(request.digits, 0);  // a stream has no last number: the width asked
    plan.clock = std::move(clock.clock);
    if (request.metadata && (head.metadata.bext || head.metadata.ixml || !head.metadata.markers.empty())) {
        plan.carried = head.metadata;
    }
    planned.plan = std::move(plan);
    return planned;
}
