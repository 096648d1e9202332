#include "cut/PieceLengthCommands.h"

#include <cstdio>
#include <string>

#include "core/AppState.h"
#include "cut/NumberPrompt.h"
#include "cut/PieceLength.h"
#include "cut/TemplateHeader.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

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

void refuseTooManyUnits(CommandContext& ctx, TimeUnit unit, const MotherTime& time)
{
    const std::string largest = text::LARGEST_ACCEPTED_LABEL + std::to_string(largestUnitCount(unit, time)) + " ";
    showText(ctx.ui, ctx.mainWindow, text::TIME_TOO_LONG, largest);
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
    AppState& state = ctx.state;
    const MotherTime time = motherTimeOf(state.motherOwnHeader);
    if (units > largestUnitCount(unit, time)) {
        refuseTooManyUnits(ctx, unit, time);
        return;
    }
    showInt(ctx.ui, ctx.mainWindow, texts.unitsCaption, asSigned(units));
    // A time shorter than one of the Mother's frames gives no piece, as too many pieces do.
    state.pieceBytes = static_cast<std::uint32_t>(timePieceBytes(units, unit, time));  // checked to fit
    const std::uint32_t pieces = state.pieceBytes == 0 ? 0 : state.motherDataBytes / state.pieceBytes;
    showUnsigned(ctx.ui, ctx.mainWindow, texts.piecesCaption, pieces);
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
    const std::uint32_t frameBytes = motherTimeOf(state.motherOwnHeader).frameBytes;
    const std::uint32_t pieceBytes = countPieceBytes(state.motherDataBytes, count, frameBytes);
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
    if (!takeTemplateHeader(ctx)) {
        return;
    }
    state.likeSettingPath = state.likePath;
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
