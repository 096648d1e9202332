// The full waveform: every frame of the Mother, one line per sample, the first channel about the
// lower baseline and the second one about the upper baseline.
#pragma once

#include <cstdint>
#include <cstdio>

#include "display/WaveArea.h"
#include "wav/SampleLevels.h"

// Draws the traces of the frames that follow the stream's position, each placed where a 4-byte
// frame of 16-bit stereo would stand, until that place reaches placedBytes - 200 (so the last 200
// bytes, 50 frames, stay undrawn) or the stream ends. The horizontal scale spreads placedBytes over
// the area's width, which must not be 0.
void drawWaveFull(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* samples,
                  const SampleLayout& layout, std::uint32_t placedBytes);
