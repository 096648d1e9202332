#include "cli/CliRun.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

#include "app/MotherLoad.h"
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleProgress.h"
#include "cli/WatchedFiles.h"
#include "core/AppState.h"
#include "cut/PieceLength.h"
#include "cut/TemplateHeader.h"
#include "res/version.h"
#include "split/SplitDialogs.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/WavHeader.h"

namespace {

// A refusal of the command line's own, worded as the window's boxes are.
void refuse(const CliConsole& console, std::string caption, std::string text)
{
    console.err << consoleMessage({std::move(caption), std::move(text)});
}

// As LOAD does after its pick: the Mother's facts and an open stream, or the refusal's box.
bool loadMotherFrom(CommandContext& ctx, const ConsolePlatform& ui, const CliOptions& options, const CliConsole& console)
{
    ctx.state.motherPath = options.motherPath;
    ctx.state.motherChosen = 1;
    errno = 0;
    loadMother(ctx);
    const int cause = errno;
    if (ctx.state.motherChosen != 0) {
        return true;
    }
    ConsoleBox box = ui.boxes().back();
    if (box.caption == text::MOTHER_CANNOT_OPEN && cause != 0) {
        box.text += std::string("\n") + std::strerror(cause);
    }
    console.err << consoleMessage(box);
    return false;
}

// The template's header and piece length, taken as "Take SIZE from =" takes them (its data chunk,
// and the header it carries into the Children); false after saying why it cannot be used.
bool takeTemplate(CommandContext& ctx, const ConsolePlatform& ui, const CliOptions& options, const CliConsole& console)
{
    AppState& state = ctx.state;
    state.likePath = options.likePath;
    state.likeChosen = 1;
    errno = 0;
    if (!takeTemplateHeader(ctx)) {
        const int cause = errno;
        ConsoleBox box = ui.boxes().back();
        if (box.caption == text::LIKE_CANNOT_OPEN && cause != 0) {
            box.text += std::string("\n") + std::strerror(cause);
        }
        console.err << consoleMessage(box);
        return false;
    }
    if (state.pieceBytes == 0) {
        refuse(console, clitext::LIKE_NO_DATA, options.likePath + numberLine(text::DATA_SIZE_LABEL, 0));
        return false;
    }
    if (!options.carryLikeHeader) {
        fillDefaultHeader(state.headerBuf);
    }
    state.cutMode = CutMode::Template;
    return true;
}

// The piece length as the cut commands set it; false after saying why it cannot be had.
bool choosePieceLength(CommandContext& ctx, const ConsolePlatform& ui, const CliOptions& options,
                       const CliConsole& console)
{
    AppState& state = ctx.state;
    switch (options.length) {
    case LengthChoice::Time:
        state.pieceBytes = options.hundredths * bytesPerUnit(TimeUnit::Hundredths);
        state.cutMode = CutMode::Time;
        return true;
    case LengthChoice::Count:
        state.pieceBytes = countPieceBytes(state.motherDataBytes, options.pieces);
        state.cutMode = CutMode::Count;
        if (state.pieceBytes == 0) {
            refuse(console, clitext::TOO_MANY_PIECES,
                   state.motherPath + numberLine(clitext::FRAMES_LABEL, state.motherDataBytes / BYTES_PER_FRAME));
            return false;
        }
        return true;
    case LengthChoice::Like:
        return takeTemplate(ctx, ui, options, console);
    case LengthChoice::None:
        break;
    }
    return false;
}

// As Give Name, Pattern and Buffer Size leave the record.
void planSplit(AppState& state, const CliOptions& options)
{
    state.childStem = stemOf(options.name.value_or(options.motherPath));
    state.childBaseName = state.childStem;
    state.childrenNamed = 1;
    state.childNumber = 1;
    state.startPattern = options.from;
    state.copyBufferBytes = options.blockBytes != 0 ? options.blockBytes : COPY_BUFFER_CAPACITY;
}

// What the progress counts against: the Mother's samples from the first piece written on.
SplitScope scopeOf(const AppState& state)
{
    SplitScope scope;
    scope.dataStart = state.motherReadOffset;
    const std::uint64_t skip =
        state.startPattern > 0 ? static_cast<std::uint64_t>(state.startPattern - 1) * state.pieceBytes : 0;
    if (skip >= state.motherDataBytes || state.pieceBytes == 0) {
        return scope;
    }
    scope.sampleBytes = state.motherDataBytes - skip;
    const std::uint64_t full = scope.sampleBytes / state.pieceBytes;
    const std::uint64_t rest = scope.sampleBytes % state.pieceBytes;
    const bool shortChild = state.cutMode != CutMode::Count && rest >= LAST_PIECE_TRIM;
    scope.expectedChildren = static_cast<std::uint32_t>(full + (shortChild ? 1 : 0));
    return scope;
}

// ALLSPLIT when the length is a template's, as the window demands one there; SPLIT TO CHILDREN
// otherwise. Both write the same Children.
SplitDialogKind dialogFor(const CliOptions& options)
{
    return options.length == LengthChoice::Like ? SplitDialogKind::AllSplit : SplitDialogKind::SplitToChildren;
}

// The split dialog opened and started, as the window's command does; true when its closing box
// is the time of the job, which only a split that wrote all its Children shows.
bool runSplitDialog(CommandContext& ctx, ConsolePlatform& ui, SplitDialogKind kind, WatchedFiles& files)
{
    SplitDialogHandler handler(ctx.state, ui, kind, files);
    handler.onMessage();
    ui.runDialog(ctx.mainWindow, splitDialogIdOf(kind), handler);
    files.finish();
    return !ui.boxes().empty() && ui.boxes().back().caption == splitTextsOf(kind).timeCaption;
}

int split(CommandContext& ctx, ConsolePlatform& ui, const CliOptions& options, const CliConsole& console)
{
    const SplitDialogKind kind = dialogFor(options);
    bool done = false;
    if (options.dryRun) {
        PlanListing plan(console.out, ctx.state.motherReadOffset);
        WatchedFiles files(plan, true, console.nullDevice);
        done = runSplitDialog(ctx, ui, kind, files);
    } else {
        std::ostream nowhere(nullptr);  // without a buffer, a stream takes everything and keeps nothing
        ConsoleProgress progress(options.quiet ? nowhere : console.err, console.errIsTerminal, scopeOf(ctx.state));
        WatchedFiles files(progress, false, console.nullDevice);
        done = runSplitDialog(ctx, ui, kind, files);
        if (done) {
            progress.finish();
        } else {
            progress.interrupt();
        }
    }
    if (!done) {
        console.err << consoleMessage(ui.boxes().back());
        return EXIT_REFUSED;
    }
    return EXIT_DONE;
}

int runParsed(const CliOptions& options, const CliConsole& console)
{
    AppState state;
    ConsolePlatform ui;
    CommandContext ctx{state, ui, nullptr};
    int status = EXIT_REFUSED;
    if (loadMotherFrom(ctx, ui, options, console) && choosePieceLength(ctx, ui, options, console)) {
        planSplit(state, options);
        status = split(ctx, ui, options, console);
    }
    closeAllStreams(state);
    return status;
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
