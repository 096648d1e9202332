#include "app/MotherLoad.h"

#include <optional>
#include <string>

#include "core/AppState.h"
#include "editor/EditorCommands.h"
#include "split/MotherRefusal.h"
#include "split/SplitPlan.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/MotherFacts.h"
#include "wav/MotherTime.h"

namespace {

constexpr float SECONDS_PER_MINUTE = 60.0f;

void refuse(CommandContext& ctx, const MotherRefusal& refusal)
{
    ctx.state.motherChosen = 0;
    showText(ctx.ui, ctx.mainWindow, refusal.caption, ctx.state.motherPath + refusal.numbers);
}

void commit(AppState& state, const MotherFacts& facts)
{
    const auto fileBytes = static_cast<std::uint32_t>(facts.fileBytes);  // checked to fit
    state.motherStream = facts.stream;
    state.motherHeader = facts.header;
    state.motherFileBytes = fileBytes;
    // The samples are the data chunk's, wherever the file's other chunks put it.
    state.motherReadOffset = facts.dataAt;
    state.motherDataBytes = facts.dataSize - MOTHER_DATA_MARGIN;
    state.motherOwnHeader = motherOwnHeaderOf(facts.layout.format);
    state.motherHeaderDataSize = std::nullopt;
    if (facts.extent.unfinished) {
        state.motherHeaderDataSize = static_cast<std::uint32_t>(facts.extent.headerDataSize);  // a RIFF size field
    }
}

void warnOfUnfinishedHeader(CommandContext& ctx, const DataExtent& extent)
{
    if (!extent.unfinished) {
        return;
    }
    showText(ctx.ui, ctx.mainWindow, text::MOTHER_HEADER_UNFINISHED,
             ctx.state.motherPath + numberLine(text::HEADER_DATA_SIZE_LABEL, extent.headerDataSize) +
                 numberLine(text::USED_DATA_SIZE_LABEL, extent.usedDataSize));
}

// Cut times count 16-bit stereo frames at 44 100 Hz; a Mother of another format is cut in its
// own time and frames, so the user is told first what it holds and that its Children keep it.
void warnOfOtherFormat(CommandContext& ctx, const WavFormat& format)
{
    if (isCutFormat(format)) {
        return;
    }
    std::string text = ctx.state.motherPath;
    if (!isPcm(format)) {
        text += numberLine(text::FORMAT_TAG_LABEL, format.formatTag);
    }
    text += numberLine(text::CHANNELS_LABEL, format.channels) + numberLine(text::BITS_LABEL, format.bitsPerSample) +
            numberLine(text::RATE_LABEL, format.sampleRate) + "\n" + text::CHILDREN_KEEP_FORMAT;
    showText(ctx.ui, ctx.mainWindow, text::MOTHER_OTHER_FORMAT, text);
}

void showDuration(CommandContext& ctx, std::uint32_t dataSize)
{
    // Whole seconds of the Mother's own time first: the minutes shown never count a started second.
    const auto seconds = static_cast<float>(dataSize / motherTimeOf(ctx.state.motherOwnHeader).bytesPerSecond);
    const float minutes = seconds / SECONDS_PER_MINUTE;
    showReal(ctx.ui, ctx.mainWindow, text::DURATION_MINUTES, minutes);
}

}  // namespace

void loadMotherCommand(CommandContext& ctx)
{
    // The editor shows the Mother the record had; a new pick takes the window back first.
    closeCutEditor(ctx);
    closeMotherStream(ctx.state);
    pickFile(ctx.ui, ctx.mainWindow, ctx.state.motherPath, text::EXT_WAV, text::PICK_MOTHER, ctx.state.motherChosen);
    if (ctx.state.motherChosen != 0) {
        loadMother(ctx);
    }
}

void loadMother(CommandContext& ctx)
{
    closeMotherStream(ctx.state);
    std::optional<MotherFacts> facts = examineMother(ctx.state.motherPath);
    if (!facts) {
        refuse(ctx, motherCannotOpen());
        return;
    }
    takeUnfinishedHeader(*facts);
    if (const std::optional<MotherRefusal> problem = motherRefusalOf(*facts)) {
        std::fclose(facts->stream);
        refuse(ctx, *problem);
        return;
    }
    commit(ctx.state, *facts);
    warnOfUnfinishedHeader(ctx, facts->extent);
    warnOfOtherFormat(ctx, facts->layout.format);
    showDuration(ctx, facts->dataSize);
}
