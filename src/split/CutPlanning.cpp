#include "split/CutPlanning.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include "cut/PieceLength.h"
#include "cut/TemplateRefusal.h"
#include "marks/MarksFile.h"
#include "split/CutSteps.h"
#include "split/CutTexts.h"
#include "split/MarksSpans.h"
#include "split/MotherRefusal.h"
#include "split/SpanRules.h"
#include "ui/Messages.h"
#include "wav/MotherFacts.h"
#include "wav/MotherTime.h"
#include "wav/SampleFormat.h"
#include "wav/TemplateWav.h"

namespace {

// The Mother's first look, its stream closed; none after saying why it cannot be opened.
std::optional<MotherFacts> examine(const std::string& path, PlannedCut& cut)
{
    int cause = 0;
    std::optional<MotherFacts> facts = examineMother(path, cause);
    if (!facts) {
        cut.refusal = cutMessage(motherCannotOpen().caption, path, causeLine(cause));
        return std::nullopt;
    }
    std::fclose(facts->stream);
    facts->stream = nullptr;
    return facts;
}

void warnIfUnfinished(const std::string& path, const DataExtent& extent, PlannedCut& cut)
{
    if (extent.unfinished) {
        cut.unfinished = cutMessage(cuttext::UNFINISHED_HEADER, path,
                                    numberLine(cuttext::HEADER_SIZE_LABEL, extent.headerDataSize) +
                                        numberLine(cuttext::USED_SIZE_LABEL, extent.usedDataSize) + "\n" +
                                        cuttext::UNFINISHED_GOES_ON);
    }
}

// ---- The window's rules

// The Mother as LOAD reads it, an unfinished header included: its samples and where they stand;
// none after saying what LOAD would refuse.
std::optional<LoadedMother> loadMother(const std::string& path, PlannedCut& cut)
{
    std::optional<MotherFacts> facts = examine(path, cut);
    if (!facts) {
        return std::nullopt;
    }
    takeUnfinishedHeader(*facts);
    if (const std::optional<MotherRefusal> refusal = motherRefusalOf(*facts)) {
        cut.refusal = cutMessage(refusal->caption, path, refusal->numbers);
        return std::nullopt;
    }
    warnIfUnfinished(path, facts->extent, cut);
    // A Mother of another format is cut at its whole frames, and keeps its format, as in the window.
    return LoadedMother{motherSourceOf(path, *facts), motherOwnHeaderOf(facts->layout.format)};
}

// The piece length as the cut commands set it, in the Mother's own time as they count it for a
// Mother of another format; false after saying why it cannot be had.
bool choosePiece(CutChoice& choice, const CutRequest& request, const LoadedMother& loaded, PlannedCut& cut)
{
    const MotherSource& mother = loaded.source;
    const MotherTime time = motherTimeOf(loaded.ownHeader);
    const auto motherDataBytes = static_cast<std::uint32_t>(mother.sampleBytes);  // a Mother's sizes are 32-bit
    choice.defaultFields = !request.carryLikeHeader;
    switch (request.rule) {
    case CutRule::Time: {
        const std::uint64_t pieceBytes = timePieceBytes(request.hundredths, TimeUnit::Hundredths, time);
        if (pieceBytes > std::numeric_limits<std::uint32_t>::max()) {
            cut.refusal = cutMessage(cuttext::PIECE_TOO_LONG, mother.path);
            return false;
        }
        choice.pieceBytes = static_cast<std::uint32_t>(pieceBytes);
        choice.cutMode = CutMode::Time;
        return true;
    }
    case CutRule::Count:
        choice.pieceBytes = countPieceBytes(motherDataBytes, request.pieces, time.frameBytes);
        choice.cutMode = CutMode::Count;
        if (choice.pieceBytes == 0) {
            cut.refusal = cutMessage(cuttext::TOO_MANY_PIECES, mother.path,
                                     numberLine(cuttext::FRAMES_LABEL, motherDataBytes / BYTES_PER_FRAME));
            return false;
        }
        return true;
    case CutRule::Like: {
        const std::optional<TemplateWav> read = readTemplate(request.likePath, cut);
        if (!read) {
            return false;
        }
        // 16-bit stereo 44 100 Hz takes the template's bytes as they are.
        choice.pieceBytes =
            loaded.ownHeader ? pieceBytesLike(read->pieceBytes, read->format.byteRate, time) : read->pieceBytes;
        choice.templateHeader = read->childHeader;
        choice.cutMode = CutMode::Template;
        return true;
    }
    case CutRule::Bytes:
        choice.pieceBytes = request.pieceBytes;
        choice.cutMode = request.pieceMode;
        choice.templateHeader = request.templateHeader;
        return true;
    default: return true;  // no piece length: a plan without a Child
    }
}

PlannedCut planWindowRules(const CutRequest& request, const CutMother& mother)
{
    PlannedCut cut;
    const std::optional<LoadedMother> loaded = mother.loaded ? mother.loaded : loadMother(mother.path, cut);
    CutChoice choice;
    if (!loaded || !choosePiece(choice, request, *loaded, cut)) {
        return cut;
    }
    choice.childStem = request.stem;
    choice.childNumber = request.firstNumber;
    choice.startPattern = request.from;
    choice.copyBufferBytes = request.blockBytes;
    choice.motherOwnHeader = loaded->ownHeader;
    cut.plan = planWindowSplit(loaded->source, choice);
    return cut;
}

// ---- The Mother's own time

// The Mother as its own time reads it; none after saying why it cannot be cut.
std::optional<MotherSource> readOwnMother(const std::string& path, PlannedCut& cut)
{
    const std::optional<MotherFacts> facts = examine(path, cut);
    if (!facts) {
        return std::nullopt;
    }
    if (const std::optional<MotherRefusal> refusal = motherRefusalFor(findSplitProblem(*facts), *facts)) {
        cut.refusal = cutMessage(refusal->caption, path, refusal->numbers);
        return std::nullopt;
    }
    const WavFormat& format = facts->layout.format;
    if (sampleFormatProblem(format) != FormatProblem::None) {
        cut.refusal = cutMessage(cuttext::FORMAT_REFUSED, path, formatLines(format));
        return std::nullopt;
    }
    const MotherSource mother = ownTimeSourceOf(path, *facts);
    if (mother.sampleBytes == 0) {
        cut.refusal = cutMessage(cuttext::NO_WHOLE_FRAME, path,
                                 numberLine(cuttext::USED_SIZE_LABEL, facts->extent.usedDataSize) +
                                     numberLine(cuttext::BLOCK_ALIGN_LABEL, format.blockAlign));
        return std::nullopt;
    }
    warnIfUnfinished(path, facts->extent, cut);
    return mother;
}

// Whole pieces of this many frames, the last with the rest; none after saying why not.
std::optional<ChildSpans> piecesOf(std::optional<std::uint64_t> pieceFrames, std::uint64_t motherFrames,
                                   const MotherSource& mother, PlannedCut& cut)
{
    const std::optional<std::uint64_t> frames = pieceFramesOf(pieceFrames, mother, cut);
    return frames ? std::optional<ChildSpans>(spansEvery(motherFrames, *frames)) : std::nullopt;
}

std::optional<ChildSpans> spansOf(const CutRequest& request, const MotherSource& mother, PlannedCut& cut)
{
    const std::uint64_t motherFrames = mother.sampleBytes / mother.format->blockAlign;
    switch (request.rule) {
    case CutRule::Time: return piecesOf(framesOf(request.every, mother.format->sampleRate), motherFrames, mother, cut);
    case CutRule::Count: {
        ChildSpans spans = spansOfPieces(motherFrames, request.pieces);
        if (spans.empty()) {
            cut.refusal =
                cutMessage(cuttext::TOO_MANY_PIECES, mother.path, numberLine(cuttext::FRAMES_LABEL, motherFrames));
            return std::nullopt;
        }
        return spans;
    }
    case CutRule::Like: {
        const std::optional<TemplateWav> read = readTemplate(request.likePath, cut);
        if (!read) {
            return std::nullopt;
        }
        return piecesOf(framesOfTemplate(*read, mother), motherFrames, mother, cut);
    }
    case CutRule::Markers:
    case CutRule::Labels:
    case CutRule::Cue:
    case CutRule::Silence:
    case CutRule::Frames: return spansAtMarks(request, mother, cut);
    default: return ChildSpans{};  // no piece length: a plan without a Child
    }
}

PlannedCut planOwnTime(const CutRequest& request, const std::string& path)
{
    PlannedCut cut;
    const std::optional<MotherSource> mother = readOwnMother(path, cut);
    const std::optional<ChildSpans> spans = mother ? spansOf(request, *mother, cut) : std::nullopt;
    if (!spans) {
        return cut;
    }
    SplitPlan plan = planSpans(*mother, *spans, {request.stem, request.firstNumber, request.from, request.blockBytes});
    if (request.metadata) {
        WavMetadata carried = readMotherMetadata(path);
        if (carried.bext || carried.ixml || !carried.markers.empty()) {
            plan.carried = std::move(carried);
        }
    }
    cut.plan = std::move(plan);
    return cut;
}

}  // namespace

std::optional<TemplateWav> readTemplate(const std::string& path, PlannedCut& cut)
{
    const TemplateWav read = readTemplateWav(path);
    const TemplateRefusal refusal = templateRefusalOf(path, read);
    if (refusal.caption != nullptr) {
        const bool withCause = read.problem == TemplateProblem::CannotOpen;
        // The refusal's text is the path, then what was read.
        cut.refusal = cutMessage(refusal.caption, path,
                                 refusal.text.substr(path.size()) + (withCause ? causeLine(read.openError) : ""));
        return std::nullopt;
    }
    if (read.pieceBytes == 0) {
        cut.refusal = cutMessage(cuttext::LIKE_NO_DATA, path, numberLine(cuttext::DATA_SIZE_LABEL, 0));
        return std::nullopt;
    }
    return read;
}

std::string formatLines(const WavFormat& format)
{
    std::string lines = numberLine(cuttext::FORMAT_TAG_LABEL, format.formatTag);
    if (format.formatTag == EXTENSIBLE_FORMAT_TAG) {
        lines += numberLine(cuttext::SUB_FORMAT_TAG_LABEL, format.subFormatTag);
    }
    return lines + numberLine(cuttext::CHANNELS_LABEL, format.channels) +
           numberLine(cuttext::BITS_LABEL, format.bitsPerSample) + numberLine(cuttext::RATE_LABEL, format.sampleRate) +
           numberLine(cuttext::BLOCK_ALIGN_LABEL, format.blockAlign) + "\n" + cuttext::FORMAT_WANTED;
}

std::optional<std::uint64_t> framesOfTemplate(const TemplateWav& read, const MotherSource& mother)
{
    const WavFormat& format = read.format;
    if (format.blockAlign == 0 || format.sampleRate == 0) {
        return 0;
    }
    return framesLike(read.pieceBytes / format.blockAlign, format.sampleRate, mother.format->sampleRate);
}

std::optional<std::uint64_t> pieceFramesOf(std::optional<std::uint64_t> pieceFrames, const MotherSource& mother,
                                           PlannedCut& cut)
{
    if (!pieceFrames) {
        cut.refusal = cutMessage(cuttext::PIECE_TOO_LONG, mother.path);
        return std::nullopt;
    }
    if (*pieceFrames == 0) {
        cut.refusal = cutMessage(cuttext::PIECE_UNDER_A_FRAME, mother.path,
                                 numberLine(cuttext::RATE_LABEL, mother.format->sampleRate));
        return std::nullopt;
    }
    return pieceFrames;
}

CutMessage cutMessage(const char* caption, const std::string& file, std::string lines)
{
    return {caption, file, 0, {}, std::move(lines)};
}

std::string causeLine(int cause) { return cause != 0 ? std::string("\n") + std::strerror(cause) : std::string(); }

std::string cutMessageText(const CutMessage& message)
{
    const std::string where =
        message.problem.empty() ? message.file : refusalText({message.file, message.line, message.problem});
    return where + message.lines;
}

// The width every number of the plan is padded to.
static std::uint32_t digitsOf(const CutRequest& request, const SplitPlan& plan)
{
    std::int32_t last = 0;
    for (const PlannedChild& child : plan.children) {
        last = std::max(last, child.number);
    }
    return paddedWidth(request.digits, last);
}

PlannedCut planCut(const CutRequest& request, const CutMother& mother)
{
    PlannedCut cut = request.windowRules
                         ? planWindowRules(request, mother)
                         : planOwnTime(request, mother.loaded ? mother.loaded->source.path : mother.path);
    if (cut.plan) {
        cut.plan->digits = digitsOf(request, *cut.plan);
    }
    return cut;
}
