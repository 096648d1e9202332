// The sampled waveform: for each pixel column a few frames spread over it, drawn as the
// envelope of their extremes. Its cost depends on the window's width, not on the Mother's length.
#pragma once

#include <cstdint>
#include <cstdio>

#include "display/WaveArea.h"
#include "wav/SampleLevels.h"

// Reads frames of the layout from file position dataStart up to the last whole frame before
// dataEnd (the end of the data chunk; for a bare 44-byte header, 44 and the file's end), seeking to
// each one read; placedFrames sets the horizontal scale over the area's width, which must not be 0.
// Columns are counted as if each frame were a 4-byte frame of 16-bit stereo after a bare 44-byte
// header, whatever the format and whatever chunks come before the data.
void drawWaveSampled(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* mother,
                     const SampleLayout& layout, std::uint32_t placedFrames, std::uint64_t dataStart,
                     std::uint64_t dataEnd);
