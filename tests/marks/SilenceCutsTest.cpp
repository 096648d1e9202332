#include "marks/SilenceCuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>
#include <utility>
#include <vector>

#include "marks/StreamSilence.h"
#include "support/BytesReader.h"

namespace {

using Runs = std::vector<std::pair<Bytes, std::size_t>>;  // a frame's bytes, and how many times

Bytes framesOf(const Runs& runs)
{
    Bytes bytes = {0xAA, 0xAA, 0xAA};  // what stands before the samples
    for (const auto& [frame, count] : runs) {
        for (std::size_t i = 0; i < count; ++i) {
            bytes.insert(bytes.end(), frame.begin(), frame.end());
        }
    }
    return bytes;
}

Bytes float64(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return join({le32(static_cast<std::uint32_t>(bits)), le32(static_cast<std::uint32_t>(bits >> 32))});
}

// 16-bit stereo: both channels at 16384, both at 0, one of them at 16384; both at 103 and -104
// (the limit of -50 dBFS is 103.6).
const Bytes LOUD = {0x00, 0x40, 0x00, 0x40};
const Bytes QUIET = {0x00, 0x00, 0x00, 0x00};
const Bytes ONE_LOUD = {0x00, 0x00, 0x00, 0x40};
const Bytes BELOW = {0x67, 0x00, 0x99, 0xFF};
const Bytes ABOVE = {0x68, 0x00, 0x98, 0xFF};
const WavFormat STEREO_16{1, 2, 44100, 176400, 4, 16, 0};

}  // namespace

TEST(SilenceCuts, CutsInTheMiddleOfEveryLongSilenceBetweenSounds)
{
    struct Case {
        const char* what;
        WavFormat format;
        Runs runs;
        SilenceRule rule;
        ChildSpans expected;
        std::uint64_t silences;
        std::uint64_t missingFrames = 0;  // frames the source claims beyond its bytes
    };
    const std::vector<Case> cases = {
        {"a silence shorter than the minimum gives no cut",
         STEREO_16,
         {{LOUD, 10}, {QUIET, 10}, {LOUD, 10}, {BELOW, 9}, {LOUD, 10}},
         {-50, 10, 0},
         {{0, 15, ""}, {15, 34, ""}},
         1},
        {"silence at both ends adds no cut",
         STEREO_16,
         {{QUIET, 12}, {LOUD, 10}, {BELOW, 12}, {LOUD, 10}, {QUIET, 12}},
         {-50, 10, 0},
         {{0, 28, ""}, {28, 28, ""}},
         1},
        {"one channel sounding is no silence",
         STEREO_16,
         {{LOUD, 10}, {ONE_LOUD, 20}, {LOUD, 10}},
         {-50, 10, 0},
         {{0, 40, ""}},
         0},
        {"a quiet file with no silence long enough",
         STEREO_16,
         {{ABOVE, 10}, {QUIET, 9}, {ABOVE, 10}},
         {-50, 10, 0},
         {{0, 29, ""}},
         0},
        {"short pieces merge into the one before, a short first one into the next",
         STEREO_16,
         {{LOUD, 3}, {QUIET, 2}, {LOUD, 10}, {QUIET, 2}, {LOUD, 2}, {QUIET, 2}, {LOUD, 10}},
         {-50, 2, 5},
         {{0, 20, ""}, {20, 11, ""}},
         3},
        {"pieces exactly as long as the shortest stay apart, the first one too",
         STEREO_16,
         {{LOUD, 3}, {QUIET, 4}, {LOUD, 1}, {QUIET, 4}, {LOUD, 10}},
         {-50, 2, 5},
         {{0, 5, ""}, {5, 5, ""}, {10, 12, ""}},
         2},
        {"a silence across two read blocks",
         STEREO_16,
         {{LOUD, 262140}, {QUIET, 10}, {LOUD, 10}},
         {-50, 10, 0},
         {{0, 262145, ""}, {262145, 15, ""}},
         1},
        {"a read that comes short stops the search there",
         STEREO_16,
         {{LOUD, 10}, {QUIET, 10}, {LOUD, 10}, {QUIET, 10}},
         {-50, 10, 0},
         {{0, 15, ""}, {15, 30, ""}},
         1,
         5},
        // A sample exactly at the threshold is not below it: 0.1 is -20 dBFS.
        {"float 64: exactly at the threshold",
         {3, 1, 8000, 64000, 8, 64, 0},
         {{float64(0.5), 3}, {float64(0.1), 4}, {float64(0.5), 3}},
         {-20, 2, 0},
         {{0, 10, ""}},
         0},
        {"float 64: just below it",
         {3, 1, 8000, 64000, 8, 64, 0},
         {{float64(0.5), 3}, {float64(0.0999999), 4}, {float64(0.5), 3}},
         {-20, 2, 0},
         {{0, 5, ""}, {5, 5, ""}},
         1},
        // 0 is -128, full scale, exactly 0 dBFS; 0x01 and 0xFF are 127/128 of it.
        {"unsigned 8 bits at 0 dBFS",
         {1, 1, 8000, 8000, 1, 8, 0},
         {{{0x00}, 2}, {{0xFF}, 4}, {{0x00}, 2}, {{0x01}, 4}, {{0x00}, 2}},
         {0, 4, 0},
         {{0, 4, ""}, {4, 6, ""}, {10, 4, ""}},
         2},
        {"signed 32 bits at 0 dBFS: the most negative value is full scale",
         {1, 1, 8000, 32000, 4, 32, 0},
         {{{0x00, 0x00, 0x00, 0x80}, 2}, {{0xFF, 0xFF, 0xFF, 0x7F}, 3}, {{0x00, 0x00, 0x00, 0x80}, 2}},
         {0, 3, 0},
         {{0, 3, ""}, {3, 4, ""}},
         1},
        {"24 bits in frames of 8 bytes: the padding is no sample",
         {1, 2, 48000, 384000, 8, 24, 0},
         {{{0, 0, 0x40, 0, 0, 0x40, 0x7F, 0x7F}, 3},
          {{0, 0, 0, 0, 0, 0, 0x7F, 0x7F}, 5},
          {{0, 0, 0x40, 0, 0, 0x40, 0x7F, 0x7F}, 3}},
         {-50, 5, 0},
         {{0, 5, ""}, {5, 6, ""}},
         1},
        {"extensible float 32: not a number is no silence",
         {0xFFFE, 1, 8000, 32000, 4, 32, 3},
         {{{0, 0, 0x80, 0x3F}, 2}, {QUIET, 2}, {{0, 0, 0xC0, 0x7F}, 1}, {QUIET, 2}, {{0, 0, 0x80, 0x3F}, 2}},
         {-50, 2, 0},
         {{0, 3, ""}, {3, 3, ""}, {6, 3, ""}},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = framesOf(c.runs);
        const std::optional<SampleLayout> layout = sampleLayoutOf(c.format);
        ASSERT_TRUE(layout.has_value());
        const SilenceSource source{readerOf(file), 3, (file.size() - 3) / layout->frameBytes + c.missingFrames,
                                   *layout};
        const SilenceCuts found = spansAtSilence(source, c.rule);
        EXPECT_EQ(found.spans, c.expected);
        EXPECT_EQ(found.silences, c.silences);
        EXPECT_EQ(found.readWhole, c.missingFrames == 0);
        // The same frames arriving on a stream, in blocks of one frame, of seven and all at once,
        // are cut at the same frames: where every Child but the first begins.
        for (const std::uint64_t block : {std::uint64_t{1}, std::uint64_t{7}, source.frames}) {
            SCOPED_TRACE("blocks of " + std::to_string(block) + " frames");
            const std::uint64_t frames = source.frames - c.missingFrames;
            StreamSilenceCuts stream(*layout, c.rule);
            std::vector<std::uint64_t> cuts;
            for (std::uint64_t at = 0; at < frames; at += block) {
                const std::uint64_t count = std::min(block, frames - at);
                for (const std::uint64_t cut : stream.look(file.data() + 3 + at * layout->frameBytes, at, count)) {
                    EXPECT_LE(cut, at + count);
                    cuts.push_back(cut);
                }
            }
            for (const std::uint64_t cut : stream.ended(frames)) {
                cuts.push_back(cut);
            }
            std::vector<std::uint64_t> expected;
            for (std::size_t i = 1; i < c.expected.size(); ++i) {
                expected.push_back(c.expected[i].firstFrame);
            }
            EXPECT_EQ(cuts, expected);
            EXPECT_EQ(stream.silences(), c.silences);
        }
    }
    // Formats that are not PCM or float, and frames too narrow for their samples, have no layout.
    EXPECT_FALSE(sampleLayoutOf({2, 2, 44100, 0, 2048, 4, 0}).has_value());
    EXPECT_FALSE(sampleLayoutOf({3, 1, 44100, 0, 2, 16, 0}).has_value());
    EXPECT_FALSE(sampleLayoutOf({1, 2, 44100, 0, 5, 24, 0}).has_value());
    EXPECT_FALSE(sampleLayoutOf({1, 0, 44100, 0, 0, 16, 0}).has_value());
}
