#include "cli/OwnTimePlan.h"

#include <string>
#include <utility>

#include "cli/CliReading.h"
#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/MarksSpans.h"
#include "split/MotherRefusal.h"
#include "split/SpanRules.h"
#include "wav/SampleFormat.h"

namespace {

std::string formatLines(const WavFormat& format)
{
    std::string lines = numberLine(clitext::FORMAT_TAG_LABEL, format.formatTag);
    if (format.formatTag == EXTENSIBLE_FORMAT_TAG) {
        lines += numberLine(clitext::SUB_FORMAT_TAG_LABEL, format.subFormatTag);
    }
    return lines + numberLine(clitext::CHANNELS_LABEL, format.channels) +
           numberLine(clitext::BITS_LABEL, format.bitsPerSample) + numberLine(clitext::RATE_LABEL, format.sampleRate) +
           numberLine(clitext::BLOCK_ALIGN_LABEL, format.blockAlign) + "\n" + clitext::FORMAT_WANTED;
}

// The Mother as its own time reads it, or none after saying why it cannot be cut.
std::optional<MotherSource> readOwnMother(const std::string& path, const CliConsole& console)
{
    const std::optional<MotherFacts> facts = examineMotherOrSay(path, console);
    if (!facts) {
        return std::nullopt;
    }
    if (const std::optional<MotherRefusal> refusal = motherRefusalFor(findSplitProblem(*facts), *facts)) {
        console.err << consoleMessage(refusal->caption, path + refusal->numbers);
        return std::nullopt;
    }
    const WavFormat& format = facts->layout.format;
    if (sampleFormatProblem(format) != FormatProblem::None) {
        console.err << consoleMessage(clitext::FORMAT_REFUSED, path + formatLines(format));
        return std::nullopt;
    }
    const MotherSource mother = ownTimeSourceOf(path, *facts);
    if (mother.sampleBytes == 0) {
        console.err << consoleMessage(clitext::NO_WHOLE_FRAME,
                                      path + numberLine(clitext::USED_SIZE_LABEL, facts->extent.usedDataSize) +
                                          numberLine(clitext::BLOCK_ALIGN_LABEL, format.blockAlign));
        return std::nullopt;
    }
    sayIfUnfinished(path, facts->extent, console);
    return mother;
}

// Whole pieces of this many frames, the last with the rest; none after saying why not.
std::optional<ChildSpans> piecesOf(std::optional<std::uint64_t> pieceFrames, std::uint64_t motherFrames,
                                   const MotherSource& mother, const CliConsole& console)
{
    if (!pieceFrames) {
        console.err << consoleMessage(clitext::PIECE_TOO_LONG, mother.path);
        return std::nullopt;
    }
    if (*pieceFrames == 0) {
        console.err << consoleMessage(clitext::PIECE_UNDER_A_FRAME,
                                      mother.path + numberLine(clitext::RATE_LABEL, mother.format->sampleRate));
        return std::nullopt;
    }
    return spansEvery(motherFrames, *pieceFrames);
}

// The frames of the Mother as long in time as the template's data.
std::optional<std::uint64_t> framesOfTemplate(const TemplateWav& read, const MotherSource& mother)
{
    const WavFormat& format = read.format;
    if (format.blockAlign == 0 || format.sampleRate == 0) {
        return 0;
    }
    return framesLike(read.pieceBytes / format.blockAlign, format.sampleRate, mother.format->sampleRate);
}

std::optional<ChildSpans> spansOf(const CliOptions& options, const MotherSource& mother, const CliConsole& console)
{
    const std::uint64_t motherFrames = mother.sampleBytes / mother.format->blockAlign;
    switch (options.length) {
    case LengthChoice::Time:
        return piecesOf(framesOf(options.every, mother.format->sampleRate), motherFrames, mother, console);
    case LengthChoice::Count: {
        ChildSpans spans = spansOfPieces(motherFrames, options.pieces);
        if (spans.empty()) {
            console.err << consoleMessage(clitext::TOO_MANY_PIECES,
                                          mother.path + numberLine(clitext::FRAMES_LABEL, motherFrames));
            return std::nullopt;
        }
        return spans;
    }
    case LengthChoice::Like: {
        const std::optional<TemplateWav> read = readTemplateOrSay(options.likePath, console);
        if (!read) {
            return std::nullopt;
        }
        return piecesOf(framesOfTemplate(*read, mother), motherFrames, mother, console);
    }
    case LengthChoice::Markers:
    case LengthChoice::Labels:
    case LengthChoice::Cue:
    case LengthChoice::Silence:
        return spansAtMarks(options, mother, stemOf(options.name.value_or(options.motherPath)), console);
    case LengthChoice::None: break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<SplitPlan> planOwnTime(const CliOptions& options, const CliConsole& console)
{
    const std::optional<MotherSource> mother = readOwnMother(options.motherPath, console);
    if (!mother) {
        return std::nullopt;
    }
    const std::optional<ChildSpans> spans = spansOf(options, *mother, console);
    if (!spans) {
        return std::nullopt;
    }
    SpanChoice choice;
    choice.childStem = stemOf(options.name.value_or(options.motherPath));
    choice.from = options.from;
    choice.copyBufferBytes = options.blockBytes;
    SplitPlan plan = planSpans(*mother, *spans, choice);
    if (options.metadata) {
        WavMetadata carried = readMotherMetadata(options.motherPath);
        if (carried.bext || carried.ixml || !carried.markers.empty()) {
            plan.carried = std::move(carried);
        }
    }
    return plan;
}
