#include "display/WaveSampled.h"

#include <algorithm>
#include <optional>

#include "core/AudioFormat.h"
#include "core/FileIo.h"
#include "display/WaveSamples.h"
#include "display/WaveScale.h"

namespace {

// Extremes of one channel over the frames read since its last column. Both start at 0, so each
// column's envelope reaches its baseline from both sides.
struct Envelope {
    int max = 0;
    int min = 0;

    void fold(int value)
    {
        max = std::max(max, value);
        min = std::min(min, value);
    }
};

// The two lines of a closed column, fanning out from the previous column's baseline point to the
// minimum, then to the maximum; the envelope starts afresh.
void drawFan(DrawingSurface& surface, PenRef pen, int baseline, int divisor, int fromX, int toX, Envelope& envelope)
{
    surface.selectPen(pen);
    surface.moveTo(fromX, baseline);
    surface.lineTo(toX, baseline - envelope.min / divisor);
    surface.moveTo(fromX, baseline);
    surface.lineTo(toX, baseline - envelope.max / divisor);
    envelope = Envelope{};
}

class SampledDrawing {
public:
    SampledDrawing(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* mother,
                   const SampleLayout& layout, std::uint32_t placedFrames, std::uint64_t dataStart)
        : surface_(surface), pens_(pens), area_(area), mother_(mother), layout_(layout),
          scale_(sampledScale(framesPerPixelOf(placedFrames, area.width))), dataStart_(dataStart)
    {
    }

    void run(std::uint64_t dataEnd)
    {
        const std::uint64_t frameBytes = layout_.frameBytes;
        const std::uint64_t stride = std::uint64_t{scale_.strideBytes} / BYTES_PER_FRAME * frameBytes;
        for (std::uint64_t pos = dataStart_; pos + frameBytes <= dataEnd; pos += stride) {
            if (beyondRightEdge() || std::feof(mother_) != 0 || !seekTo(pos)) {
                return;
            }
            const DrawableFrame frame = readDrawableFrame(mother_, layout_);
            leftSample(frame.first, pos);
            rightSample(frame.second);
        }
    }

private:
    // Frames read one after the other need no seek: the stream already stands there.
    bool seekTo(std::uint64_t pos)
    {
        if (pos != streamPos_ && !seekFile(mother_, pos)) {
            return false;
        }
        streamPos_ = pos + layout_.frameBytes;  // where the frame's reading leaves it
        return true;
    }

    // Columns only grow: once the last one drawn lies past the right edge, every later line starts
    // and ends outside the window. A file far longer than its data size would otherwise be read
    // to its end for nothing.
    bool beyondRightEdge() const { return prevX_ >= area_.width; }

    // Columns are placed as if the frames were of 16-bit stereo after a bare 44-byte header, so that
    // neither the format nor chunks before the data move anything: the same frames draw the same
    // picture in every layout and format.
    std::uint64_t canonicalPosition(std::uint64_t pos) const
    {
        return WAV_HEADER_BYTES + (pos - dataStart_) / layout_.frameBytes * BYTES_PER_FRAME;
    }

    bool closesColumn() const { return group_ == scale_.samplesPerColumn; }

    void leftSample(std::optional<int> value, std::uint64_t pos)
    {
        if (!value) {
            return;
        }
        left_.fold(*value);
        if (closesColumn()) {
            x_ = static_cast<int>(canonicalPosition(pos) / (std::uint64_t{BYTES_PER_FRAME} * scale_.framesPerPixel));
            drawFan(surface_, pens_.yellow, area_.lowerBaseline, area_.verticalDivisor, prevX_, x_, left_);
        }
    }

    // Only accepted right samples count towards a column; the right channel draws to the column
    // its left sample worked out, or to column 0 before any was.
    void rightSample(std::optional<int> value)
    {
        if (!value) {
            return;
        }
        right_.fold(*value);
        if (closesColumn()) {
            drawFan(surface_, pens_.blue, area_.upperBaseline, area_.verticalDivisor, prevX_, x_, right_);
            prevX_ = x_;
            group_ = 1;
        } else {
            ++group_;
        }
    }

    DrawingSurface& surface_;
    WavePens pens_;
    WaveArea area_;
    std::FILE* mother_;
    SampleLayout layout_;
    SampledScale scale_;
    std::uint64_t dataStart_;
    std::uint64_t streamPos_ = ~std::uint64_t{0};
    Envelope left_;
    Envelope right_;
    std::uint32_t group_ = 1;
    int prevX_ = 0;
    int x_ = 0;
};

}  // namespace

void drawWaveSampled(DrawingSurface& surface, const WavePens& pens, const WaveArea& area, std::FILE* mother,
                     const SampleLayout& layout, std::uint32_t placedFrames, std::uint64_t dataStart,
                     std::uint64_t dataEnd)
{
    SampledDrawing(surface, pens, area, mother, layout, placedFrames, dataStart).run(dataEnd);
}
