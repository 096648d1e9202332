#include "marks/SilenceCuts.h"

#include <algorithm>
#include <vector>

#include "marks/SilenceSearch.h"

namespace {

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
    const double limit = silenceLimitOf(rule.thresholdDb);
    const std::uint64_t frameBytes = source.layout.frameBytes;
    const std::uint64_t blockFrames = std::max<std::uint64_t>(1, SILENCE_BLOCK_BYTES / frameBytes);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockFrames * frameBytes));
    SilenceSearch search(rule.shortestSilence);
    std::vector<std::uint64_t> cuts;
    std::uint64_t at = 0;
    while (at < source.frames) {
        const std::uint64_t frames = std::min(blockFrames, source.frames - at);
        const std::size_t wanted = static_cast<std::size_t>(frames * frameBytes);
        const std::size_t got = source.readAt(source.dataAt + at * frameBytes, block.data(), wanted);
        const std::uint64_t whole = got / frameBytes;
        for (std::uint64_t i = 0; i < whole; ++i) {
            if (const std::optional<std::uint64_t> cut =
                    search.frame(at + i, isSilentFrame(block.data() + i * frameBytes, source.layout, limit))) {
                cuts.push_back(*cut);
            }
        }
        at += whole;
        if (got < wanted) {
            found.readWhole = false;
            break;
        }
    }
    found.silences = cuts.size();
    found.spans = mergeShortPieces(cuts, source.frames, rule.shortestPiece);
    return found;
}
