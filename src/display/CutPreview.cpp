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
    const std::uint64_t framesPerPixel = framesPerPixelOf(frames, client.right);
    surface.selectPen(pen);
    // Each column is drawn once, at the first boundary that falls in it: the later ones would
    // draw the same pixels again, and a tiny piece on a long Mother has hundreds of millions.
    for (std::uint64_t pos = pieceFrames; pos < frames;) {
        const std::uint64_t x = pos / framesPerPixel;
        surface.moveTo(static_cast<int>(x), 0);
        surface.lineTo(static_cast<int>(x), client.bottom);
        const std::uint64_t nextColumnStart = (x + 1) * framesPerPixel;
        pos = (nextColumnStart + pieceFrames - 1) / pieceFrames * pieceFrames;  // the first boundary there
    }
}
