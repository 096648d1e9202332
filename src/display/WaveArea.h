// Where a waveform is drawn in the main window: the two baselines, the vertical scale shared by
// both drawings, and the pens of the two channels.
#pragma once

#include "core/Handles.h"
#include "ui/Platform.h"

// Sample units per pixel at 96 pixels to the inch, whatever the window's height: a full-scale
// 32767 lies 268 pixels from its baseline. A larger scale divides by less, in proportion (61 at
// 192), so that the drawing fills the larger window as it fills the window at 96.
inline constexpr int VERTICAL_DIVISOR = 122;

struct WaveArea {
    int width = 0;                           // the client rectangle's right edge
    int height = 0;                          // its bottom edge
    int upperBaseline = 0;                   // the right channel's, drawn yellow
    int lowerBaseline = 0;                   // the left channel's, drawn blue
    int verticalDivisor = VERTICAL_DIVISOR;  // sample units per pixel
};

struct WavePens {
    PenRef yellow = nullptr;  // upper baseline, left-channel trace
    PenRef blue = nullptr;    // lower baseline, right-channel trace
};

WaveArea waveArea(const ClientRect& client, int dotsPerInch);

// Both baselines across the whole width, the upper one first.
void drawBaselines(DrawingSurface& surface, const WavePens& pens, const ClientRect& client, const WaveArea& area);
