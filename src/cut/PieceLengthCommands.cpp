#include "cut/PieceLengthCommands.h"

#include <cstdio>
#include <string>

#include "core/AppState.h"
#include "cut/NumberPrompt.h"
#include "cut/PieceLength.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/TemplateWav.h"

namespace {

// The texts of one time cut: its question, the caption over the units chosen and the caption
// over the number of whole pieces.
struct TimeCutTexts {
    const char* question = nullptr;
    const char* unitsCaption = nullptr;
    const char* piecesCaption = nullptr;
};

TimeCutTexts timeCutTexts(TimeUnit unit)
{
    switch (unit) {
    case TimeUnit::Hundredths: return {text::ASK_HUNDREDTHS, text::UNITS_HUNDREDTHS, text::PIECES_HUNDREDTHS};
    case TimeUnit::Tenths: return {text::ASK_TENTHS, text::UNITS_TENTHS, text::PIECES_TENTHS};
    case TimeUnit::Quarters: return {text::ASK_QUARTERS, text::UNITS_QUARTERS, text::PIECES_QUARTERS};
    case TimeUnit::Halves: return {text::ASK_HALVES, text::UNITS_HALVES, text::PIECES_HALVES};
    case TimeUnit::Seconds: return {text::ASK_SECONDS, text::UNITS_SECONDS, text::PIECES_SECONDS};
    }
    return {text::ASK_SECONDS, text::UNITS_SECONDS, text::PIECES_SECONDS};
}

// Sizes are unsigned but shown as signed, as the box for a signed number shows them.
std::int32_t asSigned(std::uint32_t value) { return static_cast<std::int32_t>(value); }

void refuseTooManyUnits(CommandContext& ctx, TimeUnit unit)
{
    const std::string largest = text::LARGEST_ACCEPTED_LABEL + std::to_string(largestUnitCount(unit)) + " ";
    showText(ctx.ui, ctx.mainWindow, text::TIME_TOO_LONG, largest);
}

const char* templateRefusal(TemplateProblem problem)
{
    switch (problem) {
    case TemplateProblem::CannotOpen: return text::LIKE_CANNOT_OPEN;
    case TemplateProblem::TooShort: return text::LIKE_TOO_SHORT;
    case TemplateProblem::NotRiffWave: return text::LIKE_NOT_RIFF_WAVE;
    case TemplateProblem::NoData: return text::LIKE_NO_DATA_CHUNK;
    case TemplateProblem::NoFormat: return text::LIKE_NO_FMT_CHUNK;
    case TemplateProblem::None: break;
    }
    return nullptr;
}

// A template that cannot give a piece length and a header is refused before anything of it is used.
bool refuseUnusableTemplate(CommandContext& ctx, const TemplateWav& read)
{
    const char* caption = templateRefusal(read.problem);
    if (caption == nullptr) {
        return false;
    }
    std::string text = ctx.state.likePath;
    if (read.problem == TemplateProblem::TooShort) {
        text += "\n" + std::string(text::BYTES_READ_LABEL) + std::to_string(read.headerBytesRead);
    }
    showText(ctx.ui, ctx.mainWindow, caption, text);
    ctx.state.likeChosen = 0;
    return true;
}

std::string bufferQuestion(std::uint32_t currentBytes)
{
    char question[200] = {};
    std::snprintf(question, sizeof question, text::ASK_BUFFER_SIZE, static_cast<int>(asSigned(currentBytes)));
    return question;
}

}  // namespace

void cutByTime(CommandContext& ctx, TimeUnit unit)
{
    const TimeCutTexts texts = timeCutTexts(unit);
    const std::uint32_t units = askNumber(ctx, texts.question);
    if (units == 0) {
        return;
    }
    if (units > largestUnitCount(unit)) {
        refuseTooManyUnits(ctx, unit);
        return;
    }
    AppState& state = ctx.state;
    showInt(ctx.ui, ctx.mainWindow, texts.unitsCaption, asSigned(units));
    state.pieceBytes = units * bytesPerUnit(unit);
    showUnsigned(ctx.ui, ctx.mainWindow, texts.piecesCaption, state.motherDataBytes / state.pieceBytes);
    state.cutMode = CutMode::Time;
}

void cutByCount(CommandContext& ctx)
{
    const std::uint32_t count = askNumber(ctx, text::ASK_PIECE_COUNT);
    if (count == 0) {
        return;
    }
    AppState& state = ctx.state;
    const std::uint32_t rawBytes = state.motherDataBytes / count;
    const std::uint32_t pieceBytes = countPieceBytes(state.motherDataBytes, count);
    showUnsigned(ctx.ui, ctx.mainWindow, text::ROUNDED_OFF, rawBytes - pieceBytes);
    state.pieceBytes = pieceBytes;
    state.cutMode = CutMode::Count;
}

void cutLikeTemplate(CommandContext& ctx)
{
    AppState& state = ctx.state;
    pickFile(ctx.ui, ctx.mainWindow, state.likePath, text::EXT_WAV, text::PICK_TEMPLATE, state.likeChosen);
    if (state.likeChosen == 0) {
        return;
    }
    const TemplateWav read = readTemplateWav(state.likePath);
    if (refuseUnusableTemplate(ctx, read)) {
        return;
    }
    state.likeSettingPath = state.likePath;
    state.headerBuf = read.childHeader;
    state.pieceBytes = read.pieceBytes;
    state.cutMode = CutMode::Template;
}

void setStartPattern(CommandContext& ctx)
{
    // Answers above 2 147 483 647 turn negative, which the split takes as its first piece.
    ctx.state.startPattern = asSigned(askNumber(ctx, text::ASK_START_PATTERN));
    showInt(ctx.ui, ctx.mainWindow, text::START_PATTERN_IS, ctx.state.startPattern);
}

void setCopyBufferSize(CommandContext& ctx)
{
    AppState& state = ctx.state;
    const std::uint32_t answer = askNumber(ctx, bufferQuestion(state.copyBufferBytes));
    // No number at all restores the default block size.
    state.copyBufferBytes = answer == 0 ? COPY_BUFFER_CAPACITY : answer;
    showInt(ctx.ui, ctx.mainWindow, text::BUFFER_SIZE_IS, asSigned(state.copyBufferBytes));
}
