// What the editor draws the Mother from: the lowest and highest sample of each block of frames,
// for its first two channels (a mono Mother's one), made in one reading of the Mother, never more
// than 1/500 of its bytes. A view close enough to show a few frames a column reads them instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "editor/WaveView.h"
#include "wav/SampleLevels.h"

// The Mother's samples summarized at most 1 byte in this many.
inline constexpr std::uint64_t SUMMARY_SHARE = 500;

// Reads `frames` whole frames from frame `first` on into `into`; gives how many came.
using FrameReader = std::function<std::size_t(std::uint64_t first, std::uint8_t* into, std::size_t frames)>;
// Told how many frames are read so far; false stops the reading.
using SummaryProgress = std::function<bool(std::uint64_t framesRead)>;

struct SampleRange {
    std::int16_t low = 0;
    std::int16_t high = 0;

    friend bool operator==(const SampleRange&, const SampleRange&) = default;
};

// Blocks of the summary gathered by so many into the blocks of a coarser level, so that a far
// view reads a few of those rather than a million blocks.
inline constexpr std::uint64_t SUMMARY_GATHER = 64;

struct WaveSummary {
    SampleLayout layout;
    std::uint32_t lanes = 0;  // 1 or 2
    std::uint64_t totalFrames = 0;
    std::uint64_t blockFrames = 0;
    std::vector<SampleRange> ranges;  // block by block, lane by lane
    // The coarser levels: each block the lowest and highest of SUMMARY_GATHER of the level below.
    std::vector<std::vector<SampleRange>> coarser;

    std::size_t blocks() const { return lanes == 0 ? 0 : ranges.size() / lanes; }
    std::uint64_t bytes() const
    {
        std::uint64_t all = ranges.size();
        for (const std::vector<SampleRange>& level : coarser) {
            all += level.size();
        }
        return all * sizeof(SampleRange);
    }
};

// The sample's place in the 16-bit range, as the waveform drawings take it: truncated toward
// zero, full scale for a float beyond it, 0 for not a number; -32768 drawn as -32767.
std::int16_t drawnSample(const std::uint8_t* sample, SampleKind kind);

// The frames of a block: a power of two, so that the summary, its coarser levels included, holds
// at most one byte in SUMMARY_SHARE of the Mother's.
std::uint64_t summaryBlockFrames(const SampleLayout& layout);

// The summary, read front to back in large steps; none when the progress asks to stop. A short
// read leaves the rest of the Mother drawn as silence.
std::optional<WaveSummary> summarize(const FrameReader& read, const SampleLayout& layout, std::uint64_t totalFrames,
                                     const SummaryProgress& progress);

// What one lane shows: in each column its lowest and highest sample (a column without a frame of
// its own has none), or, when the view shows more pixels than frames, each frame's sample as a
// point at its column.
struct LaneColumn {
    bool any = false;
    SampleRange range;
};
struct SamplePoint {
    std::int64_t x = 0;
    std::int16_t value = 0;
};
struct WavePicture {
    bool points = false;
    std::vector<LaneColumn> columns[2];
    std::vector<SamplePoint> samples[2];
};

// Columns whose frames are fewer than this many are read from the Mother, not the summary.
inline constexpr std::uint64_t READ_BELOW_FRAMES_PER_COLUMN = 64;

// The picture of the view: from the summary, or, close up, from the frames the reader gives.
void drawWave(const WaveView& view, const WaveSummary& summary, const FrameReader& read, WavePicture& picture);
