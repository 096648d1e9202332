// Which frames of the Mother the editor shows, and where: `span` frames from `first` over a width
// of `width` pixels. At the whole view, column x stands for frames from x*F/W (F the Mother's
// frames, W the width, integer division); a zoom halves or doubles the span about a column, the
// deepest showing at least 8 pixels a frame. Positions are 64-bit; the scroll bar's are 32-bit.
#pragma once

#include <cstdint>

inline constexpr std::uint64_t DEEPEST_PIXELS_PER_FRAME = 8;

struct WaveView {
    std::uint64_t totalFrames = 0;
    std::uint64_t first = 0;
    std::uint64_t span = 0;
    std::uint32_t width = 0;

    friend bool operator==(const WaveView&, const WaveView&) = default;
};

// a*b/c without overflow of the product (c > 0).
std::uint64_t mulDiv(std::uint64_t a, std::uint64_t b, std::uint64_t c);

WaveView wholeView(std::uint64_t totalFrames, std::uint32_t width);
// The same frames on a new width (the window resized); the whole view stays whole.
WaveView resized(const WaveView& view, std::uint32_t width);

// The first frame column x stands for (x may lie outside the width).
std::uint64_t frameAt(const WaveView& view, std::int64_t x);
// The first column that shows the frame; may lie outside the width.
std::int64_t columnOf(const WaveView& view, std::uint64_t frame);

// The smallest span a view of this width may show.
std::uint64_t deepestSpan(const WaveView& view);
// Twice as close (in) or twice as far (out) about column x: the frame under it stays under it
// within one pixel, unless the Mother's ends stop the view.
WaveView zoomed(const WaveView& view, std::int64_t x, bool in);
// The view moved to start at `first` (kept within the Mother).
WaveView scrolledTo(const WaveView& view, std::uint64_t first);
// The view moved by a number of pixels' frames (negative: back).
WaveView scrolledBy(const WaveView& view, std::int64_t pixels);
// The view moved the least so that the frame is inside it.
WaveView showing(const WaveView& view, std::uint64_t frame);

// The scroll bar's 32-bit range, page and position, and the first frame of a bar position.
struct ScrollBar {
    std::int32_t max = 0;
    std::int32_t page = 0;
    std::int32_t position = 0;

    friend bool operator==(const ScrollBar&, const ScrollBar&) = default;
};
ScrollBar scrollBarOf(const WaveView& view);
std::uint64_t firstOfBar(const WaveView& view, std::int32_t position);
