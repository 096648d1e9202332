#include "editor/WaveSummary.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

constexpr double FULL_SCALE = 32768.0;
constexpr std::int16_t TOP = 32767;
constexpr std::size_t READ_FRAMES = 1 << 16;

std::uint32_t lanesOf(const SampleLayout& layout) { return layout.channels >= 2 ? 2 : 1; }

void widen(SampleRange& range, std::int16_t value)
{
    range.low = std::min(range.low, value);
    range.high = std::max(range.high, value);
}

std::int16_t laneSample(const std::uint8_t* frame, const SampleLayout& layout, std::uint32_t lane)
{
    return drawnSample(frame + static_cast<std::size_t>(lane) * layout.sampleBytes, layout.kind);
}

}  // namespace

std::int16_t drawnSample(const std::uint8_t* sample, SampleKind kind)
{
    const double scaled = sampleValue(sample, kind) * FULL_SCALE;
    if (std::isnan(scaled)) {
        return 0;
    }
    return static_cast<std::int16_t>(
        std::clamp(std::trunc(scaled), -static_cast<double>(TOP), static_cast<double>(TOP)));
}

std::uint64_t summaryBlockFrames(const SampleLayout& layout)
{
    const std::uint64_t summaryBytes = lanesOf(layout) * sizeof(SampleRange);
    const std::uint64_t frameBytes = std::max<std::uint64_t>(layout.frameBytes, 1);
    return std::bit_ceil((summaryBytes * SUMMARY_SHARE + frameBytes - 1) / frameBytes);
}

std::optional<WaveSummary> summarize(const FrameReader& read, const SampleLayout& layout, std::uint64_t totalFrames,
                                     const SummaryProgress& progress)
{
    WaveSummary summary{layout, lanesOf(layout), totalFrames, summaryBlockFrames(layout), {}};
    const std::uint64_t blocks = (totalFrames + summary.blockFrames - 1) / summary.blockFrames;
    summary.ranges.assign(blocks * summary.lanes, SampleRange{TOP, -TOP});
    std::vector<std::uint8_t> buffer(READ_FRAMES * layout.frameBytes);
    std::uint64_t frame = 0;
    while (frame < totalFrames) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(READ_FRAMES, totalFrames - frame));
        const std::size_t got = read(frame, buffer.data(), wanted);
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint8_t* at = buffer.data() + i * layout.frameBytes;
            const std::uint64_t block = (frame + i) / summary.blockFrames;
            for (std::uint32_t lane = 0; lane < summary.lanes; ++lane) {
                widen(summary.ranges[block * summary.lanes + lane], laneSample(at, layout, lane));
            }
        }
        frame += got;
        if (!progress(frame)) {
            return std::nullopt;
        }
        if (got < wanted) {
            break;
        }
    }
    for (SampleRange& range : summary.ranges) {
        if (range.low > range.high) {
            range = {};  // frames never read stand as silence
        }
    }
    return summary;
}

void drawWave(const WaveView& view, const WaveSummary& summary, const FrameReader& read, WavePicture& picture)
{
    const std::uint32_t width = view.width;
    for (int lane = 0; lane < 2; ++lane) {
        picture.columns[lane].assign(width, LaneColumn{});
        picture.samples[lane].clear();
    }
    picture.points = false;
    if (width == 0 || view.span == 0 || summary.lanes == 0) {
        return;
    }
    const std::uint32_t lanes = summary.lanes;
    if (view.span < READ_BELOW_FRAMES_PER_COLUMN * width) {
        // Close up: the few frames on screen, read afresh.
        const auto frames = static_cast<std::size_t>(std::min(view.span + 1, view.totalFrames - view.first));
        std::vector<std::uint8_t> buffer(frames * summary.layout.frameBytes);
        const std::size_t got = read(view.first, buffer.data(), frames);
        picture.points = view.span < width;
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint8_t* at = buffer.data() + i * summary.layout.frameBytes;
            const std::int64_t x = columnOf(view, view.first + i);
            for (std::uint32_t lane = 0; lane < 2; ++lane) {
                const std::int16_t value = laneSample(at, summary.layout, lane < lanes ? lane : 0);
                if (picture.points) {
                    picture.samples[lane].push_back({x, value});
                } else if (x >= 0 && x < width) {
                    LaneColumn& column = picture.columns[lane][static_cast<std::size_t>(x)];
                    column.range = column.any ? column.range : SampleRange{value, value};
                    widen(column.range, value);
                    column.any = true;
                }
            }
        }
        return;
    }
    const std::size_t blocks = summary.blocks();
    for (std::uint32_t x = 0; x < width; ++x) {
        const std::uint64_t from = frameAt(view, x) / summary.blockFrames;
        const std::uint64_t to =
            std::min<std::uint64_t>((frameAt(view, x + 1) + summary.blockFrames - 1) / summary.blockFrames, blocks);
        for (std::uint32_t lane = 0; lane < 2; ++lane) {
            const std::uint32_t source = lane < lanes ? lane : 0;
            LaneColumn column;
            for (std::uint64_t b = from; b < to; ++b) {
                const SampleRange& range = summary.ranges[b * lanes + source];
                column.range = column.any ? column.range : range;
                widen(column.range, range.low);
                widen(column.range, range.high);
                column.any = true;
            }
            picture.columns[lane][x] = column;
        }
    }
}
