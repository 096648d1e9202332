#include "marks/SilenceCuts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Follows the stretches of silent frames as the frames go by, one after the other.
class SilenceSearch {
public:
    explicit SilenceSearch(std::uint64_t shortest) : shortest_(shortest) {}

    void frame(std::uint64_t at, bool silent)
    {
        if (silent && !inSilence_) {
            inSilence_ = true;
            silenceFrom_ = at;
        } else if (!silent && inSilence_) {
            inSilence_ = false;
            endSilence(at);
        }
    }

    // A stretch still running when the frames end lies at the Mother's end (or where the reading
    // stopped, past which nothing is known): it gives no cut.
    const std::vector<std::uint64_t>& cuts() const { return cuts_; }

private:
    void endSilence(std::uint64_t end)
    {
        const std::uint64_t length = end - silenceFrom_;
        if (silenceFrom_ > 0 && length >= shortest_) {
            cuts_.push_back(silenceFrom_ + length / 2);
        }
    }

    std::uint64_t shortest_;
    bool inSilence_ = false;
    std::uint64_t silenceFrom_ = 0;
    std::vector<std::uint64_t> cuts_;
};

bool isSilent(const std::uint8_t* frame, const SampleLayout& layout, double limit)
{
    for (std::uint32_t channel = 0; channel < layout.channels; ++channel) {
        // Written so that a sample that is not a number is never silent.
        if (!(sampleMagnitude(frame + channel * layout.sampleBytes, layout.kind) < limit)) {
            return false;
        }
    }
    return true;
}

ChildSpans mergeShortPieces(const std::vector<std::uint64_t>& cuts, std::uint64_t totalFrames, std::uint64_t shortest)
{
    ChildSpans pieces;
    std::uint64_t from = 0;
    for (std::size_t i = 0; i <= cuts.size(); ++i) {
        const std::uint64_t to = i < cuts.size() ? cuts[i] : totalFrames;
        if (!pieces.empty() && to - from < shortest) {
            pieces.back().frames += to - from;
        } else {
            pieces.push_back({from, to - from, {}});
        }
        from = to;
    }
    if (pieces.size() >= 2 && pieces.front().frames < shortest) {
        pieces[1].frames += pieces[1].firstFrame;
        pieces[1].firstFrame = 0;
        pieces.erase(pieces.begin());
    }
    return pieces;
}

}  // namespace

SilenceCuts spansAtSilence(const SilenceSource& source, const SilenceRule& rule)
{
    SilenceCuts found;
    if (source.frames == 0 || source.layout.frameBytes == 0) {
        return found;
    }
    const double limit = std::pow(10.0, rule.thresholdDb / 20.0);
    const std::uint64_t frameBytes = source.layout.frameBytes;
    const std::uint64_t blockFrames = std::max<std::uint64_t>(1, SILENCE_BLOCK_BYTES / frameBytes);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockFrames * frameBytes));
    SilenceSearch search(rule.shortestSilence);
    std::uint64_t at = 0;
    while (at < source.frames) {
        const std::uint64_t frames = std::min(blockFrames, source.frames - at);
        const std::size_t wanted = static_cast<std::size_t>(frames * frameBytes);
        const std::size_t got = source.readAt(source.dataAt + at * frameBytes, block.data(), wanted);
        const std::uint64_t whole = got / frameBytes;
        for (std::uint64_t i = 0; i < whole; ++i) {
            search.frame(at + i, isSilent(block.data() + i * frameBytes, source.layout, limit));
        }
        at += whole;
        if (got < wanted) {
            found.readWhole = false;
            break;
        }
    }
    const std::vector<std::uint64_t>& cuts = search.cuts();
    found.silences = cuts.size();
    found.spans = mergeShortPieces(cuts, source.frames, rule.shortestPiece);
    return found;
}
