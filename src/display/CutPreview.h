// The cut preview: a full-height line at every boundary between two pieces, and the number of
// whole pieces the Mother holds.
#pragma once

#include <cstdint>

#include "ui/Platform.h"

// Whole pieces of pieceFrames in frames; none when a piece has no frame.
std::uint32_t wholePieces(std::uint32_t frames, std::uint32_t pieceFrames);

// Lines at pieceFrames, 2 x pieceFrames, ... strictly below frames, at one pixel per frames/width
// frames (at least one), each column drawn once however many boundaries fall in it; nothing when
// a piece has no frame or the client area no width.
void drawCutLines(DrawingSurface& surface, PenRef pen, const ClientRect& client, std::uint32_t frames,
                  std::uint32_t pieceFrames);
