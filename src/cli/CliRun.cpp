#include "cli/CliRun.h"

#include <optional>
#include <ostream>

#include "cli/CliOptions.h"
#include "cli/CliReading.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/ConsoleProgress.h"
#include "cli/MotherBatch.h"
#include "cli/OwnTimePlan.h"
#include "cut/PieceLength.h"
#include "res/version.h"
#include "split/MotherRefusal.h"
#include "split/SplitFiles.h"
#include "split/SplitMessages.h"
#include "split/SplitPlan.h"
#include "split/SplitWriter.h"
#include "split/TemporaryChild.h"
#include "wav/MotherFacts.h"
#include "wav/TemplateWav.h"

namespace {

// The Mother as LOAD reads it, an unfinished header included: its samples and where they stand, or
// the refusal LOAD would show.
// The writer opens it again.
std::optional<MotherSource> readMother(const CliOptions& options, const CliConsole& console)
{
    const std::string& path = options.motherPath;
    std::optional<MotherFacts> facts = examineMotherOrSay(path, console);
    if (!facts) {
        return std::nullopt;
    }
    takeUnfinishedHeader(*facts);
    if (const std::optional<MotherRefusal> refusal = motherRefusalOf(*facts)) {
        console.err << consoleMessage(refusal->caption, path + refusal->numbers);
        return std::nullopt;
    }
    sayIfUnfinished(path, facts->extent, console);
    return motherSourceOf(path, *facts);
}

// The template's piece length and header, taken as "Take SIZE from =" takes them; false after
// saying why it cannot be used.
bool takeTemplate(CutChoice& choice, const CliOptions& options, const CliConsole& console)
{
    const std::optional<TemplateWav> read = readTemplateOrSay(options.likePath, console);
    if (!read) {
        return false;
    }
    choice.pieceBytes = read->pieceBytes;
    choice.templateHeader = read->childHeader;
    choice.defaultFields = !options.carryLikeHeader;
    choice.cutMode = CutMode::Template;
    return true;
}

// The piece length as the cut commands set it; false after saying why it cannot be had.
bool choosePieceLength(CutChoice& choice, const MotherSource& mother, const CliOptions& options,
                       const CliConsole& console)
{
    const auto motherDataBytes = static_cast<std::uint32_t>(mother.sampleBytes);  // a Mother's sizes are 32-bit
    switch (options.length) {
    case LengthChoice::Time:
        choice.pieceBytes = options.hundredths * bytesPerUnit(TimeUnit::Hundredths);
        choice.cutMode = CutMode::Time;
        return true;
    case LengthChoice::Count:
        choice.pieceBytes = countPieceBytes(motherDataBytes, options.pieces);
        choice.cutMode = CutMode::Count;
        if (choice.pieceBytes == 0) {
            console.err << consoleMessage(clitext::TOO_MANY_PIECES,
                                          mother.path +
                                              numberLine(clitext::FRAMES_LABEL, motherDataBytes / BYTES_PER_FRAME));
            return false;
        }
        return true;
    case LengthChoice::Like: return takeTemplate(choice, options, console);
    default: break;  // the options refuse the window's rules with any other choice
    }
    return false;
}

// The name, first piece and copy block, as Give Name, Pattern and Buffer Size choose them.
void chooseTheRest(CutChoice& choice, const CliOptions& options)
{
    choice.childStem = stemOf(options.name.value_or(options.motherPath));
    choice.childNumber = 1;
    choice.startPattern = options.from;
    choice.copyBufferBytes = options.blockBytes;
}

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

// The plan's lines up to the first Child that would be the Mother, which stops it as a split would,
// then the leftovers of stopped runs that the split would remove first.
int dryRun(const SplitPlan& plan, const CliConsole& console)
{
    SplitFiles files;
    const SplitOutcome outcome = checkSplit(plan, files);
    if (console.tally != nullptr) {
        *console.tally = {true, outcome.childrenKept, outcome.stop};
    }
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
    if (console.tally != nullptr) {
        *console.tally = {true, outcome.childrenKept, outcome.stop};
    }
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

// The window's rules: the Mother as LOAD reads it, cut as the window's commands cut it.
std::optional<SplitPlan> planWindowRules(const CliOptions& options, const CliConsole& console)
{
    const std::optional<MotherSource> mother = readMother(options, console);
    CutChoice choice;
    if (!mother || !choosePieceLength(choice, *mother, options, console)) {
        return std::nullopt;
    }
    chooseTheRest(choice, options);
    // A Mother of another format is cut at its whole frames, and keeps its format, as in the window.
    choice.motherOwnHeader = mother->format ? motherOwnHeaderOf(*mother->format) : std::nullopt;
    return planCommandLineSplit(*mother, choice);
}

int runParsed(const CliOptions& options, const CliConsole& console)
{
    const std::optional<SplitPlan> plan =
        options.windowRules ? planWindowRules(options, console) : planOwnTime(options, console);
    if (!plan) {
        return EXIT_REFUSED;
    }
    return options.dryRun ? dryRun(*plan, console) : split(*plan, options, console);
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
        console.out << "morlando-split " MORLANDO_VERSION_TEXT "\n";
        return EXIT_DONE;
    }
    return runMothers(options, console, runParsed);
}
