#include "editor/WaveSummary.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

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

void gatherLevels(WaveSummary& summary)
{
    const std::vector<SampleRange>* below = &summary.ranges;
    while (below->size() / summary.lanes > SUMMARY_GATHER) {
        const std::size_t blocks = below->size() / summary.lanes;
        std::vector<SampleRange> level((blocks + SUMMARY_GATHER - 1) / SUMMARY_GATHER * summary.lanes,
                                       SampleRange{TOP, -TOP});
        for (std::size_t b = 0; b < blocks; ++b) {
            for (std::uint32_t lane = 0; lane < summary.lanes; ++lane) {
                const SampleRange& range = (*below)[b * summary.lanes + lane];
                SampleRange& into = level[b / SUMMARY_GATHER * summary.lanes + lane];
                widen(into, range.low);
                widen(into, range.high);
            }
        }
        summary.coarser.push_back(std::move(level));
        below = &summary.coarser.back();
    }
}

void widenColumn(LaneColumn& column, const SampleRange& range)
{
    column.range = column.any ? column.range : range;
    widen(column.range, range.low);
    widen(column.range, range.high);
    column.any = true;
}

// The blocks [from, to) of a level (0 the finest) into the column: the whole blocks of the next
// coarser level inside them taken there, so that a far column reads a few hundred blocks at most.
void gatherInto(LaneColumn& column, const WaveSummary& summary, std::size_t level, std::uint64_t from, std::uint64_t to,
                std::uint32_t lane)
{
    const std::vector<SampleRange>& ranges = level == 0 ? summary.ranges : summary.coarser[level - 1];
    std::uint64_t inFrom = to;
    std::uint64_t inTo = to;
    if (level < summary.coarser.size()) {
        const std::uint64_t first = (from + SUMMARY_GATHER - 1) / SUMMARY_GATHER;
        const std::uint64_t last = to / SUMMARY_GATHER;
        if (first < last) {
            inFrom = first * SUMMARY_GATHER;
            inTo = last * SUMMARY_GATHER;
            gatherInto(column, summary, level + 1, first, last, lane);
        }
    }
    for (std::uint64_t b = from; b < inFrom; ++b) {
        widenColumn(column, ranges[b * summary.lanes + lane]);
    }
    for (std::uint64_t b = inTo; b < to; ++b) {
        widenColumn(column, ranges[b * summary.lanes + lane]);
    }
}

}  // namespace

std::int16_t drawnSample(const std::uint8_t* sample, SampleKind kind)
{
    if (kind == SampleKind::Signed16) {
        // The common case, read as it stands: a summary of hours reads billions of these.
        const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(sample[0] | (sample[1] << 8)));
        return std::max<std::int16_t>(value, -TOP);
    }
    const double scaled = sampleValue(sample, kind) * FULL_SCALE;
    if (std::isnan(scaled)) {
        return 0;
    }
    return static_cast<std::int16_t>(
        std::clamp(std::trunc(scaled), -static_cast<double>(TOP), static_cast<double>(TOP)));
}

std::uint64_t summaryBlockFrames(const SampleLayout& layout)
{
    // The coarser levels add less than 1/50 to the finest: counted as 2 %.
    const std::uint64_t summaryBytes = lanesOf(layout) * sizeof(SampleRange) * 102;
    const std::uint64_t frameBytes = std::max<std::uint64_t>(layout.frameBytes, 1) * 100;
    return std::bit_ceil((summaryBytes * SUMMARY_SHARE + frameBytes - 1) / frameBytes);
}

std::optional<WaveSummary> summarize(const FrameReader& read, const SampleLayout& layout, std::uint64_t totalFrames,
                                     const SummaryProgress& progress)
{
    WaveSummary summary{layout, lanesOf(layout), totalFrames, summaryBlockFrames(layout), {}, {}};
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
    gatherLevels(summary);
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
            LaneColumn column;
            gatherInto(column, summary, 0, from, to, lane < lanes ? lane : 0);
            picture.columns[lane][x] = column;
        }
    }
}
