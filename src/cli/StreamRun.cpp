#include "cli/StreamRun.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "cli/CliTexts.h"
#include "cli/ListFile.h"
#include "cli/ConsoleMessage.h"
#include "cli/StreamProgress.h"
#include "cli/StreamTexts.h"
#include "planning/CutTexts.h"
#include "writing/SplitMessages.h"
#include "planning/StreamPlanning.h"

namespace {

Instant systemNow()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The stream read a block at a time until `bytes` came, it ended, or a stop was asked for.
StreamBytes wholeReadsOf(const StreamSource& source, const SplitStopRequest& stop)
{
    return [&source, &stop](std::uint8_t* into, std::size_t bytes) {
        std::size_t got = 0;
        while (got < bytes && !stop.requested()) {
            const StreamRead read = source(into + got, bytes - got);
            if (read.bytes == 0 && (read.ended || read.error != 0)) {
                break;
            }
            got += read.bytes;
        }
        return got;
    };
}

// What a stream that ended tells besides its Children: a cut frame at its end, fewer samples
// than its header gave.
void sayHowItEnded(const StreamOutcome& outcome, const MotherSource& mother, const StreamHead& head,
                   const CliConsole& console)
{
    const std::uint64_t frameBytes = mother.format->blockAlign;
    if (outcome.tailBytes > 0) {
        console.err << consoleMessage(streamtext::ENDED_IN_FRAME,
                                      cuttext::STREAM_NAME + numberLine(streamtext::TAIL_LABEL, outcome.tailBytes) +
                                          numberLine(cuttext::BLOCK_ALIGN_LABEL, frameBytes) + "\n" +
                                          streamtext::TAIL_NOT_WRITTEN);
    }
    const std::uint64_t used = outcome.frames * frameBytes + outcome.tailBytes;
    if (head.sampleBytes && used < *head.sampleBytes && outcome.split.stop == SplitStop::None &&
        outcome.readError == 0) {
        console.err << consoleMessage(streamtext::ENDED_EARLY,
                                      cuttext::STREAM_NAME +
                                          numberLine(cuttext::HEADER_SIZE_LABEL, *head.sampleBytes) +
                                          numberLine(cuttext::USED_SIZE_LABEL, used));
    }
}

// A Child that could not be written, told as a split of a file tells it, and where the stream
// is lost from.
int failed(const SplitPlan& plan, const StreamOutcome& outcome, const CliConsole& console)
{
    SplitPlan shown = plan;
    shown.mother.path = cuttext::STREAM_NAME;
    SplitOutcome told = outcome.split;
    if (outcome.child) {
        shown.children = {*outcome.child};
        told.childAt = 0;
    }
    const SplitMessage message = stopMessage(shown, told);
    console.err << consoleMessage(message.caption,
                                  message.text + "\n" + streamtext::LOST_FROM_LABEL + std::to_string(outcome.lostFrom));
    return EXIT_REFUSED;
}

int told(const SplitPlan& plan, const StreamOutcome& outcome, const StreamHead& head, StreamProgress& progress,
         const CliConsole& console)
{
    const SplitOutcome& split = outcome.split;
    if (split.stop != SplitStop::None) {
        progress.interrupt();
    }
    if (split.stop == SplitStop::Stopped) {
        sayHowItEnded(outcome, plan.mother, head, console);
        console.err << consoleMessage(streamtext::STOPPED, numberLine(clitext::COMPLETE_LABEL, split.childrenKept) +
                                                               "\n" + streamtext::KEPT_AS_RECEIVED +
                                                               numberLine(streamtext::FRAMES_LABEL, outcome.frames));
        return console.stop->status();
    }
    if (split.stop != SplitStop::None) {
        return failed(plan, outcome, console);
    }
    sayHowItEnded(outcome, plan.mother, head, console);
    if (outcome.readError != 0) {
        progress.interrupt();
        console.err << consoleMessage(streamtext::NOT_READ_WHOLE,
                                      cuttext::STREAM_NAME + std::string("\n") + std::strerror(outcome.readError) +
                                          "\n" + streamtext::FRAMES_KEPT +
                                          numberLine(streamtext::FRAMES_LABEL, outcome.frames));
        return EXIT_REFUSED;
    }
    if (outcome.frames == 0) {
        progress.interrupt();
        console.err << consoleMessage(streamtext::NO_WHOLE_FRAME,
                                      cuttext::STREAM_NAME +
                                          numberLine(cuttext::USED_SIZE_LABEL, outcome.tailBytes) +
                                          numberLine(cuttext::BLOCK_ALIGN_LABEL, plan.frameBytes));
        return EXIT_REFUSED;
    }
    progress.finish();
    return EXIT_DONE;
}

}  // namespace

bool readsStream(const CliOptions& options)
{
    return std::find(options.motherPaths.begin(), options.motherPaths.end(), streamtext::STREAM) !=
           options.motherPaths.end();
}

std::optional<std::string> streamProblem(const CliOptions& options)
{
    if (options.motherPaths.size() > 1) {
        return streamtext::ONLY_MOTHER;
    }
    if (!options.name) {
        return streamtext::NEEDS_NAME;
    }
    if (options.dryRun) {
        return streamtext::NO_DRY_RUN;
    }
    if (options.cut.windowRules) {
        return streamtext::NO_WINDOW_RULES;
    }
    if (options.cut.digits == DIGITS_OF_LAST_NUMBER) {
        return streamtext::NO_DIGITS_AUTO;
    }
    if (options.cut.rule == CutRule::Count) {
        return streamtext::NO_PIECES;
    }
    if (options.cut.rule == CutRule::Markers) {
        return streamtext::NO_MARKERS;
    }
    return std::nullopt;
}

int runStream(const CliOptions& options, const CliConsole& console)
{
    if (const std::optional<std::string> problem = streamProblem(options)) {
        console.err << clitext::PROGRAM_PREFIX << *problem << "\n" << clitext::USAGE;
        return EXIT_USAGE;
    }
    SplitStopRequest never;
    SplitStopRequest& stop = console.stop != nullptr ? *console.stop : never;
    const StreamSource nothing = [](std::uint8_t*, std::size_t) { return StreamRead{0, true, 0}; };
    const StreamSource& source = console.input != nullptr ? console.input->read : nothing;
    const StreamHead head = readStreamHead(wholeReadsOf(source, stop));
    if (stop.requested()) {
        console.err << consoleMessage(streamtext::STOPPED, numberLine(clitext::COMPLETE_LABEL, 0));
        return stop.status();
    }
    CutRequest request = options.cut;
    request.stem = stemOf(*options.name);
    // Its head read, the stream's samples begin to arrive: that is when "now" is.
    const Instant now = console.clock ? console.clock() : systemNow();
    const PlannedStream planned = planStreamCut(request, head, now);
    if (planned.startWarning) {
        console.err << consoleMessage(planned.startWarning->caption, cutMessageText(*planned.startWarning));
    }
    if (!planned.rule && planned.refusal && planned.refusal->caption == cuttext::NO_START) {
        console.err << clitext::PROGRAM_PREFIX << clitext::NO_START_BEFORE << cuttext::STREAM_NAME
                    << clitext::NO_START_AFTER << "\n"
                    << clitext::USAGE;
        return EXIT_USAGE;
    }
    if (!planned.rule) {
        console.err << consoleMessage(planned.refusal->caption, cutMessageText(*planned.refusal));
        return EXIT_REFUSED;
    }
    const SplitPlan& plan = *planned.plan;
    StreamJob job{head.sampleBytes, request.from, {}, {}};
    if (console.input != nullptr) {
        job.motherFile = console.input->file != nullptr ? console.input->file() : "";
        job.move = console.input->move;
    }
    std::ostream nowhere(nullptr);
    StreamProgress progress(options.quiet ? nowhere : console.err, console.errIsTerminal, plan,
                            options.listPath.has_value());
    StreamFiles files;
    const StreamOutcome outcome = writeStream(plan, job, *planned.rule, source, files, progress, stop);
    if (planned.silence != nullptr && planned.silence->silences() == 0 && !options.quiet && outcome.split.finished()) {
        console.out << cuttext::NO_SILENCE;
    }
    const int status = told(plan, outcome, head, progress, console);
    if (!options.listPath) {
        return status;
    }
    SplitPlan written = plan;
    written.children = progress.finished();
    const MotherTally tally{true, written.children.size(), outcome.split.stop,
                            listedChildren(written, written.children.size())};
    return withList(options, console, {&tally}, status);
}
