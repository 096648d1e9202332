// The sampled waveform: for each pixel column a few frames spread over it, drawn as the
// envelope of their extremes. Its cost depends on the window's width, not on the Mother's length.
#pragma once

#include <cstdint>
#include <cstdio>

#include "display/WaveArea.h"

// Reads frames from file position 44 up to the last whole frame of fileBytes, seeking to each one
// read; dataBytes sets the horizontal scale over the area's width, which must not be 0.
void drawWaveSampled(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* mother,
                     std::uint32_t dataBytes, std::uint64_t fileBytes);
