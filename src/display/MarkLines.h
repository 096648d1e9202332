// The marks of a cut where the recording says, drawn over the main window: a line at each mark,
// over the whole height as the cut preview draws its cuts, or, over a waveform, a tick at the top
// edge with the mark's name beside it, so that the trace stays in sight.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Platform.h"

struct WaveMark {
    std::uint64_t frame = 0;  // where the Child starting there begins, in the Mother's frames
    std::string title;        // its name, empty when it has none
};

enum class MarkStyle { FullHeight, NamedTick };

inline constexpr int MARK_TICK_LENGTH = 16;
inline constexpr int MARK_TITLE_GAP = 8;  // from the tick to its name, clear of the thick pen

// Each mark below the Mother's end at column frame / (frames per pixel, at least one); nothing
// for a Mother without frames or a client area without width.
void drawMarks(DrawingSurface& surface, PenRef pen, const ClientRect& client, std::uint64_t frames,
               const std::vector<WaveMark>& marks, MarkStyle style);
