// The full waveform: every frame of the Mother, one line per sample, the left channel about the
// lower baseline and the right one about the upper baseline.
#pragma once

#include <cstdint>
#include <cstdio>

#include "display/WaveArea.h"

// Draws the traces of the samples that follow the stream's position, frame by frame, until the
// data offset reaches dataBytes - 200 (so the last 200 bytes stay undrawn) or the stream ends.
// The horizontal scale spreads dataBytes over the area's width, which must not be 0.
void drawWaveFull(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* samples,
                  std::uint32_t dataBytes);
