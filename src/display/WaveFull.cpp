#include "display/WaveFull.h"

#include <cmath>
#include <optional>

#include "core/AudioFormat.h"
#include "display/WaveSamples.h"

namespace {

// The bytes at the end of the data that the full drawing leaves out.
constexpr std::uint32_t UNDRAWN_TAIL_BYTES = 200;

// Far beyond any window, yet safe for the window system's coordinates: a Mother of fewer data
// bytes than pixels puts its late frames out there.
constexpr double FARTHEST_X = 1 << 27;

struct Point {
    int x = 0;
    int y = 0;
};

// One channel's line: each accepted sample continues it from the channel's previous point.
struct Trace {
    PenRef pen = nullptr;
    int baseline = 0;
    std::optional<Point> previous;

    void add(DrawingSurface& surface, Point point)
    {
        surface.selectPen(pen);
        if (previous) {
            surface.moveTo(previous->x, baseline - previous->y);
            surface.lineTo(point.x, baseline - point.y);
        } else {
            surface.moveTo(point.x, baseline - point.y);
        }
        previous = point;
    }
};

int columnOf(std::uint64_t counter, double xScale)
{
    const double x = std::trunc(static_cast<double>(counter) / xScale);
    return static_cast<int>(x < FARTHEST_X ? x : FARTHEST_X);
}

// Reads the next frame and adds its samples to the traces; false when the stream had already ended.
bool drawNextFrame(DrawingSurface& surface, std::FILE* samples, const SampleLayout& layout, Trace& first, Trace& second,
                   int x, int divisor)
{
    if (std::feof(samples) != 0) {
        return false;
    }
    const DrawableFrame frame = readDrawableFrame(samples, layout);
    if (frame.first) {
        first.add(surface, Point{x, *frame.first / divisor});
    }
    if (frame.second) {
        second.add(surface, Point{x, *frame.second / divisor});
    }
    return true;
}

}  // namespace

void drawWaveFull(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* samples,
                  const SampleLayout& layout, std::uint32_t placedBytes)
{
    const double xScale = static_cast<double>(placedBytes) / area.width;
    Trace first{pens.yellow, area.lowerBaseline, std::nullopt};
    Trace second{pens.blue, area.upperBaseline, std::nullopt};
    // The counter is the frame's place plus one. Below 200 bytes the limit wraps round to near
    // 2^32, and only the end of the stream ends the drawing.
    const std::uint32_t limit = placedBytes - UNDRAWN_TAIL_BYTES;
    for (std::uint64_t counter = 1; counter < limit; counter += BYTES_PER_FRAME) {
        if (!drawNextFrame(surface, samples, layout, first, second, columnOf(counter, xScale), area.verticalDivisor)) {
            return;
        }
    }
}
