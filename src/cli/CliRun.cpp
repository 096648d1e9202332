#include "cli/CliRun.h"

#include <cstring>
#include <optional>
#include <ostream>

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/ConsoleProgress.h"
#include "cut/PieceLength.h"
#include "cut/TemplateRefusal.h"
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

// A line of a message that gives one number under its label; it starts with its line break.
std::string numberLine(const char* label, std::uint64_t value)
{
    std::string line = "\n";
    line += label;
    line += std::to_string(value);
    return line;
}

// The Mother as LOAD reads it: its samples and where they stand, or the refusal LOAD would show,
// with the system's cause when the file cannot be opened. The writer opens it again.
std::optional<MotherSource> readMother(const CliOptions& options, const CliConsole& console)
{
    const std::string& path = options.motherPath;
    int cause = 0;
    const std::optional<MotherFacts> facts = examineMother(path, cause);
    if (!facts) {
        const MotherRefusal refusal = motherCannotOpen();
        console.err << consoleMessage(refusal.caption,
                                      path + (cause != 0 ? std::string("\n") + std::strerror(cause) : std::string()));
        return std::nullopt;
    }
    std::fclose(facts->stream);
    if (const std::optional<MotherRefusal> refusal = motherRefusalOf(*facts)) {
        console.err << consoleMessage(refusal->caption, path + refusal->numbers);
        return std::nullopt;
    }
    return motherSourceOf(path, *facts);
}

// The template's piece length and header, taken as "Take SIZE from =" takes them; false after
// saying why it cannot be used.
bool takeTemplate(CutChoice& choice, const CliOptions& options, const CliConsole& console)
{
    const TemplateWav read = readTemplateWav(options.likePath);
    const TemplateRefusal refusal = templateRefusalOf(options.likePath, read);
    if (refusal.caption != nullptr) {
        const bool withCause = read.problem == TemplateProblem::CannotOpen && read.openError != 0;
        console.err << consoleMessage(
            refusal.caption,
            refusal.text + (withCause ? std::string("\n") + std::strerror(read.openError) : std::string()));
        return false;
    }
    if (read.pieceBytes == 0) {
        console.err << consoleMessage(clitext::LIKE_NO_DATA,
                                      options.likePath + numberLine(clitext::DATA_SIZE_LABEL, 0));
        return false;
    }
    choice.pieceBytes = read.pieceBytes;
    choice.templateHeader = read.childHeader;
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
    case LengthChoice::None: break;
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
    listPlan(console.out, plan, outcome.childrenKept);
    for (const std::string& leftover : leftoversOf(plan.stem)) {
        console.out << leftover << clitext::LEFTOVER << "\n";
    }
    return outcome.finished() ? EXIT_DONE : stopped(plan, outcome, console);
}

int split(const SplitPlan& plan, const CliOptions& options, const CliConsole& console)
{
    std::ostream nowhere(nullptr);  // without a buffer, a stream takes everything and keeps nothing
    ConsoleProgress progress(options.quiet ? nowhere : console.err, console.errIsTerminal, plan);
    SystemCopyFiles files;
    SplitStopRequest never;
    const SplitOutcome outcome = writeSplit(plan, files, progress, console.stop ? *console.stop : never);
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

int runParsed(const CliOptions& options, const CliConsole& console)
{
    const std::optional<MotherSource> mother = readMother(options, console);
    CutChoice choice;
    if (!mother || !choosePieceLength(choice, *mother, options, console)) {
        return EXIT_REFUSED;
    }
    chooseTheRest(choice, options);
    const SplitPlan plan = planCommandLineSplit(*mother, choice);
    return options.dryRun ? dryRun(plan, console) : split(plan, options, console);
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
    return runParsed(options, console);
}
