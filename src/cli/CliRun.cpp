#include "cli/CliRun.h"

#include <optional>
#include <ostream>
#include <utility>

#include "cli/BuildText.h"
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/ConsoleProgress.h"
#include "cli/MotherBatch.h"
#include "cli/StreamRun.h"
#include "res/version.h"
#include "planning/CutPlanning.h"
#include "planning/CutTexts.h"
#include "writing/SplitFiles.h"
#include "writing/SplitMessages.h"
#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"
#include "writing/TemporaryChild.h"

namespace {

int stopped(const SplitPlan& plan, const SplitOutcome& outcome, const CliConsole& console)
{
    const SplitMessage message = stopMessage(plan, outcome);
    console.err << consoleMessage(message.caption, message.text);
    return EXIT_REFUSED;
}

// A stop from outside: how many Children are complete, and that the one being written is gone.
int stoppedFromOutside(const SplitOutcome& outcome, const CliConsole& console)
{
    std::string text = numberLine(clitext::COMPLETE_LABEL, outcome.childrenKept);
    text += "\n";
    text += outcome.childRemoved.value_or(true) ? clitext::NOTHING_LEFT : clitext::NOT_REMOVED;
    console.err << consoleMessage(clitext::STOPPED, text);
    return console.stop->status();
}

// What became of the Mother, for the summary of several and for the list (its rows made only
// when a list is asked for: tens of thousands of Children would cost their names for nothing).
void tell(const SplitPlan& plan, const SplitOutcome& outcome, const CliOptions& options, const CliConsole& console)
{
    if (console.tally != nullptr) {
        *console.tally = {true, outcome.childrenKept, outcome.stop,
                          options.listPath ? listedChildren(plan, outcome.childrenKept) : std::vector<ListedChild>{}};
    }
}

// The plan's lines up to the first Child that would be the Mother, which stops it as a split would,
// then the leftovers of stopped runs that the split would remove first.
int dryRun(const SplitPlan& plan, const CliOptions& options, const CliConsole& console)
{
    SplitFiles files;
    const SplitOutcome outcome = checkSplit(plan, files);
    tell(plan, outcome, options, console);
    listPlan(console.out, plan, outcome.childrenKept);
    for (const std::string& leftover : leftoversOf(plan.stem)) {
        console.out << leftover << clitext::LEFTOVER << "\n";
    }
    return outcome.finished() ? EXIT_DONE : stopped(plan, outcome, console);
}

int split(const SplitPlan& plan, const CliOptions& options, const CliConsole& console)
{
    std::ostream nowhere(nullptr);  // without a buffer, a stream takes everything and keeps nothing
    ConsoleProgress progress(options.quiet || !console.progress ? nowhere : console.err, console.errIsTerminal, plan);
    SystemCopyFiles files;
    SplitStopRequest never;
    const SplitOutcome outcome =
        writeSplit(plan, files, progress, console.stop ? *console.stop : never, WriteChoice{options.resume, options.sync});
    tell(plan, outcome, options, console);
    if (outcome.stop == SplitStop::Stopped) {
        progress.interrupt();
        return stoppedFromOutside(outcome, console);
    }
    if (!outcome.finished()) {
        progress.interrupt();
        return stopped(plan, outcome, console);
    }
    progress.finish();
    return EXIT_DONE;
}

// The plan of the options' request, after what the planning warns of; none after telling why not,
// with the status it ends with.
std::optional<SplitPlan> planOf(const CliOptions& options, const CliConsole& console, int& status)
{
    CutRequest request = options.cut;
    request.stem = stemOf(options.name.value_or(options.motherPath));
    PlannedCut cut = planCut(request, {options.motherPath, std::nullopt});
    if (cut.unfinished) {
        console.err << consoleMessage(cut.unfinished->caption, cutMessageText(*cut.unfinished));
    }
    if (cut.startWarning) {
        console.err << consoleMessage(cut.startWarning->caption, cutMessageText(*cut.startWarning));
    }
    status = EXIT_REFUSED;
    if (cut.refusal && cut.refusal->caption == cuttext::NO_START) {
        // A line that lacks an option, though only the Mother could tell.
        console.err << clitext::PROGRAM_PREFIX << clitext::NO_START_BEFORE << cut.refusal->file
                    << clitext::NO_START_AFTER << "\n"
                    << clitext::USAGE;
        status = EXIT_USAGE;
    } else if (cut.refusal) {
        console.err << consoleMessage(cut.refusal->caption, cutMessageText(*cut.refusal));
    }
    if (cut.plan && cut.noSilence && !options.quiet) {
        console.out << cuttext::NO_SILENCE;
    }
    return std::move(cut.plan);
}

int runParsed(const CliOptions& options, const CliConsole& console)
{
    int status = EXIT_REFUSED;
    const std::optional<SplitPlan> plan = planOf(options, console, status);
    if (!plan) {
        return status;
    }
    return options.dryRun ? dryRun(*plan, options, console) : split(*plan, options, console);
}

}  // namespace

int runCli(const std::vector<std::string>& args, const CliConsole& console)
{
    const ParsedOptions parsed = parseOptions(args);
    if (!parsed.options) {
        console.err << clitext::PROGRAM_PREFIX << parsed.problem << "\n" << clitext::USAGE;
        return EXIT_USAGE;
    }
    const CliOptions& options = *parsed.options;
    if (options.help) {
        console.out << helpText();
        return EXIT_DONE;
    }
    if (options.version) {
        console.out << "morlando-split " MORLANDO_VERSION_TEXT "\n" << buildLine(thisBuild()) << "\n";
        return EXIT_DONE;
    }
    if (readsStream(options)) {
        return runStream(options, console);
    }
    return runMothers(options, console, runParsed);
}
