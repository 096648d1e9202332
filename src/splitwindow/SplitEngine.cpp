#include "splitwindow/SplitEngine.h"

#include <chrono>

#include "planning/CutPlanning.h"
#include "planning/RecordPlanning.h"
#include "writing/SplitMessages.h"
#include "splitwindow/SplitProgress.h"
#include "writing/SplitWriter.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/MotherFacts.h"
#include "wav/WavHeader.h"

namespace {

// The tracks and percentages of the dialog, drawn from what the writer tells. Each full Child
// resets its track, shows its name, a step at the end of every whole copy block (drawn once for
// all the blocks of one transfer) and a closing step, then moves the total track; the short last
// Child only fills the total track.
class DialogProgress : public SplitListener {
public:
    DialogProgress(const AppState& state, SplitTools& tools, const SplitTexts& texts, const SplitPlan& plan)
        : plan_(plan), progress_{tools.surface, {state.thickGreyPen, state.thickRedPen, tools.thickGreenPen}, 0, 0, {}},
          texts_(texts),
          pieceBytes_(static_cast<std::uint32_t>(wholeFramesOf(state.motherOwnHeader, state.pieceBytes))),
          everyChildFull_(state.cutMode == CutMode::Marks),
          motherDataBytes_(everyChildFull_ ? static_cast<std::uint32_t>(plan.mother.sampleBytes)
                                           : state.motherDataBytes),
          dataAt_(state.motherReadOffset), blockBytes_(plan.blockBytes)
    {
    }

    void childStarted(const PlannedChild& child) override
    {
        blockEnd_ = blockBytes_;
        if (isFull(child)) {
            resetChildTrack(progress_);
        }
    }

    void childCreated(const PlannedChild& child) override
    {
        if (isFull(child)) {
            drawChildName(progress_, childName(plan_, child));
        }
    }

    void bytesCopied(const PlannedChild& child, std::uint64_t copied) override
    {
        if (isFull(child)) {
            childStepsThrough(progress_, blockEnd_, blockBytes_, copied, pieceOf(child));
        }
    }

    void samplesCopied(const PlannedChild& child) override
    {
        if (isFull(child)) {
            childClosingStep(progress_, pieceOf(child), pieceOf(child));  // a full Child is one piece
        } else {
            finalStep(progress_, texts_.finalText);
        }
    }

    void childFinished(const PlannedChild& child) override
    {
        if (isFull(child)) {
            const std::uint64_t done = child.firstByte - dataAt_ + child.sampleBytes;
            totalStep(progress_, done, motherDataBytes_, texts_.afterEachChild);
        }
    }

    // In how-many mode the rest is not written, but the total track is filled as for it.
    void restNotWritten() { finalStep(progress_, texts_.finalText); }

private:
    // Every Child between two marks is a piece of its own, whatever its length.
    bool isFull(const PlannedChild& child) const { return everyChildFull_ || child.sampleBytes == pieceBytes_; }
    std::uint32_t pieceOf(const PlannedChild& child) const
    {
        return everyChildFull_ ? static_cast<std::uint32_t>(child.sampleBytes) : pieceBytes_;
    }

    const SplitPlan& plan_;
    SplitProgress progress_;
    const SplitTexts& texts_;
    std::uint32_t pieceBytes_;
    bool everyChildFull_;
    std::uint32_t motherDataBytes_;
    std::uint64_t dataAt_;
    std::uint32_t blockBytes_;
    std::uint64_t blockEnd_ = 0;
};

bool stoppedAtTheMother(const SplitOutcome& outcome)
{
    return outcome.stop == SplitStop::MotherCannotOpen || outcome.stop == SplitStop::MotherChanged;
}

// As the split leaves the record: the numbering goes on after the last Child named (the rest of
// a how-many cut included), whose name and header stay in it.
void keepInRecord(AppState& state, const SplitPlan& plan, const SplitOutcome& outcome)
{
    if (stoppedAtTheMother(outcome)) {
        return;
    }
    if (state.startPattern > 0) {
        state.childNumber = state.startPattern;
    }
    // A cut at the marks leaves the window's header alone: its Children carry the Mother's own.
    const bool windowHeaders = state.cutMode != CutMode::Marks;
    if (windowHeaders) {
        writeHeaderSizes(state.headerBuf, state.pieceBytes);
    }
    const PlannedChild* last = nullptr;
    if (outcome.childAt) {
        last = &plan.children[*outcome.childAt];
    } else if (outcome.finished() && plan.unwritten) {
        last = &*plan.unwritten;
    } else if (outcome.finished() && !plan.children.empty()) {
        last = &plan.children.back();
    }
    if (last != nullptr) {
        state.childBaseName = childName(plan, *last);
        if (windowHeaders) {
            state.headerBuf = childHeader(plan, *last);
        }
    }
    if (outcome.finished()) {
        state.childNumber = plan.nextNumber;
    } else if (last != nullptr) {
        state.childNumber = static_cast<std::int32_t>(static_cast<std::uint32_t>(last->number) + 1u);
    }
}

}  // namespace

std::int64_t processMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void runSplit(AppState& state, SplitTools& tools, const SplitTexts& texts)
{
    drawEmptyTracks(tools.surface, state.thickGreyPen);
    const std::int64_t startTicks = tools.clock();
    if (state.pieceBytes == 0 && state.cutMode != CutMode::Marks) {
        showNotice(tools.ui, tools.dialog, text::NO_PIECE_LENGTH);
        return;  // without a piece length there is nothing to cut; the Mother stays as it is
    }
    // The split reads through a stream of its own, opened afresh, so that a second split or one
    // after a waveform drawing works as the first.
    closeMotherStream(state);
    const PlannedCut planned = planOfRecord(state, state, state);
    if (!planned.plan) {
        showText(tools.ui, tools.dialog, planned.refusal->caption, cutMessageText(*planned.refusal));
        return;
    }
    const SplitPlan& plan = *planned.plan;
    DialogProgress progress(state, tools, texts, plan);
    // Only a stop asked for while this split runs counts: one that came after the last split
    // ended (a session end that was called off) is over.
    SplitStopRequest& stop = splitStopRequest();
    stop.clear();
    const SplitOutcome outcome = writeSplit(plan, tools.files, progress, stop);
    keepInRecord(state, plan, outcome);
    if (outcome.stop == SplitStop::Stopped) {
        return;  // the program is ending: the session or its window, with no one left to read a box
    }
    if (!outcome.finished()) {
        const SplitMessage message = stopMessage(plan, outcome);
        showText(tools.ui, tools.dialog, message.caption, message.text);
        return;
    }
    if (plan.unwritten) {
        progress.restNotWritten();
    }
    const double seconds = static_cast<double>(tools.clock() - startTicks) / 1000.0;
    showReal(tools.ui, tools.dialog, texts.timeCaption, seconds);
}
