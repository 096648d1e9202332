#include "display/CutPreview.h"

#include "display/WaveScale.h"

std::uint32_t wholePieces(std::uint32_t frames, std::uint32_t pieceFrames)
{
    return pieceFrames == 0 ? 0 : frames / pieceFrames;
}

void drawCutLines(DrawingSurface& surface, PenRef pen, const ClientRect& client, std::uint32_t frames,
                  std::uint32_t pieceFrames)
{
    if (pieceFrames == 0 || client.right <= 0) {
        return;
    }
    const std::uint32_t framesPerPixel = framesPerPixelOf(frames, client.right);
    surface.selectPen(pen);
    // Both counts are at most 2^30 frames, so the sum below cannot wrap.
    for (std::uint32_t pos = pieceFrames; pos < frames; pos += pieceFrames) {
        const auto x = static_cast<int>(pos / framesPerPixel);
        surface.moveTo(x, 0);
        surface.lineTo(x, client.bottom);
    }
}
