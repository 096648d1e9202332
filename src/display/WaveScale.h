// The horizontal scale of the sampled waveform: how many frames make one pixel column, and how
// few of them are read to find the column's extremes.
#pragma once

#include <cstdint>

// A column never reads more frames than this, however many it spans.
inline constexpr std::uint32_t MAX_SAMPLES_PER_COLUMN = 100;

struct SampledScale {
    std::uint32_t framesPerPixel = 1;
    std::uint32_t samplesPerColumn = 1;  // frames read per column
    std::uint32_t strideBytes = 4;       // distance between two frames read, a whole number of frames
};

// Frames per pixel column of a client area width > 0: at least one, so that a Mother narrower
// than the window is drawn frame by frame.
std::uint32_t framesPerPixelOf(std::uint32_t frames, int width);

// The frames read per column shrink as a column grows (about 600000 / framesPerPixel + 1), so
// that a long Mother costs few reads; a column never reads a frame twice.
SampledScale sampledScale(std::uint32_t framesPerPixel);
