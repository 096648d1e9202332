#include "display/DisplayCommands.h"

#include <cstdio>

#include "core/AppState.h"
#include "core/FileIo.h"
#include "display/CutPreview.h"
#include "display/WaveArea.h"
#include "display/WaveFull.h"
#include "display/WaveSampled.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/MotherFacts.h"
#include "wav/MotherTime.h"

namespace {

WavePens wavePens(const AppState& state) { return WavePens{state.yellowPen, state.bluePen}; }

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
    const WaveArea area = waveArea(client);
    {
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginOffscreenDrawing(ctx.mainWindow);
        drawBaselines(*surface, wavePens(state), client, area);
        // The samples start at the data start, wherever an earlier reader left the stream.
        if (state.motherStream != nullptr && seekFile(state.motherStream, state.motherReadOffset)) {
            drawWaveFull(*surface, wavePens(state), area, state.motherStream, state.motherDataBytes);
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
    const WaveArea area = waveArea(client);
    closeMotherStream(state);
    state.motherStream = std::fopen(state.motherPath.c_str(), "rb");
    {
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginOffscreenDrawing(ctx.mainWindow);
        drawBaselines(*surface, wavePens(state), client, area);
        if (state.motherStream != nullptr) {
            // The samples are the data chunk's, wherever the file's other chunks put it.
            const std::uint64_t dataEnd = state.motherReadOffset + state.motherDataBytes + MOTHER_DATA_MARGIN;
            drawWaveSampled(*surface, wavePens(state), area, state.motherStream, state.motherDataBytes,
                            state.motherReadOffset, dataEnd);
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
