#include "display/DisplayCommands.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/AppState.h"
#include "core/FileIo.h"
#include "display/CutPreview.h"
#include "display/WaveArea.h"
#include "display/WaveFull.h"
#include "display/WaveSamples.h"
#include "display/WaveSampled.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/MotherFacts.h"
#include "wav/MotherTime.h"

namespace {

WavePens wavePens(const AppState& state) { return WavePens{state.yellowPen, state.bluePen}; }

// How the drawings read the Mother's frames: 16-bit stereo, or the format LOAD found; none for a
// format whose samples cannot be read (a compressed one), of which only the baselines are drawn.
std::optional<SampleLayout> drawnLayout(const MotherRecord& mother)
{
    return mother.motherOwnHeader ? sampleLayoutOfHeader(*mother.motherOwnHeader) : SIXTEEN_BIT_STEREO;
}

// The cuttable bytes as 16-bit stereo frames would take them: the drawings place each frame of the
// Mother where such a frame would stand, so that the same frames draw the same picture in every
// format. Of another format, the frames of its data chunk less the 17 frames of the margin.
std::uint32_t placedBytes(const MotherRecord& mother, const SampleLayout& layout)
{
    if (!mother.motherOwnHeader) {
        return mother.motherDataBytes;
    }
    const std::uint64_t frames = (std::uint64_t{mother.motherDataBytes} + MOTHER_DATA_MARGIN) / layout.frameBytes;
    const std::uint64_t placed = frames * BYTES_PER_FRAME;
    if (placed < MOTHER_DATA_MARGIN) {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(placed - MOTHER_DATA_MARGIN, 0xFFFFFFFFu));
}

}  // namespace

// A client area without width (a minimized window) has no column to draw in: the drawing leaves
// everything as it was, the Mother stream included.
void showWaveFull(CommandContext& ctx)
{
    const ClientRect client = ctx.ui.clientRect(ctx.mainWindow);
    if (client.right <= 0) {
        return;
    }
    AppState& state = ctx.state;
    const WaveArea area = waveArea(client, ctx.ui.dotsPerInch(ctx.mainWindow));
    {
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginOffscreenDrawing(ctx.mainWindow);
        drawBaselines(*surface, wavePens(state), client, area);
        // The samples start at the data start, wherever an earlier reader left the stream.
        const std::optional<SampleLayout> layout = drawnLayout(state);
        if (layout && state.motherStream != nullptr && seekFile(state.motherStream, state.motherReadOffset)) {
            drawWaveFull(*surface, wavePens(state), area, state.motherStream, *layout, placedBytes(state, *layout));
        }
    }
    closeMotherStream(state);
}

void showWaveSampled(CommandContext& ctx)
{
    const ClientRect client = ctx.ui.clientRect(ctx.mainWindow);
    if (client.right <= 0) {
        return;
    }
    AppState& state = ctx.state;
    const WaveArea area = waveArea(client, ctx.ui.dotsPerInch(ctx.mainWindow));
    closeMotherStream(state);
    state.motherStream = std::fopen(state.motherPath.c_str(), "rb");
    {
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginOffscreenDrawing(ctx.mainWindow);
        drawBaselines(*surface, wavePens(state), client, area);
        const std::optional<SampleLayout> layout = drawnLayout(state);
        if (layout && state.motherStream != nullptr) {
            // The samples are the data chunk's, wherever the file's other chunks put it.
            const std::uint64_t dataEnd = state.motherReadOffset + state.motherDataBytes + MOTHER_DATA_MARGIN;
            drawWaveSampled(*surface, wavePens(state), area, state.motherStream, *layout,
                            placedBytes(state, *layout) / BYTES_PER_FRAME, state.motherReadOffset, dataEnd);
        }
    }
    closeMotherStream(state);
}

void previewCuts(CommandContext& ctx)
{
    const AppState& state = ctx.state;
    if (state.cutMode != CutMode::Template) {
        return;
    }
    const ClientRect client = ctx.ui.clientRect(ctx.mainWindow);
    // Counted in the Mother's own frames, as its Children are cut.
    const std::uint32_t frameBytes = motherTimeOf(state.motherOwnHeader).frameBytes;
    const std::uint32_t frames = state.motherDataBytes / frameBytes;
    const std::uint32_t pieceFrames = state.pieceBytes / frameBytes;
    if (client.right > 0) {
        // The lines are on screen before the box opens: the surface is given back first.
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginDrawing(ctx.mainWindow);
        drawCutLines(*surface, state.greenPen, client, frames, pieceFrames);
    }
    showReal(ctx.ui, ctx.mainWindow, text::PIECE_COUNT, static_cast<float>(wholePieces(frames, pieceFrames)));
}
