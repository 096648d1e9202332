#include "editor/PlayRanges.h"

#include <algorithm>

namespace {

std::optional<FrameRange> rangeOf(std::uint64_t first, std::uint64_t end)
{
    if (end <= first) {
        return std::nullopt;
    }
    return FrameRange{first, end - first};
}

// The piece holding a frame runs from the last cut at or before it to the next cut after it: a
// cut is the first frame of the Child after it.
FrameRange pieceAt(std::uint64_t frame, const std::vector<std::uint64_t>& cuts, std::uint64_t motherFrames)
{
    const auto next = std::upper_bound(cuts.begin(), cuts.end(), frame);
    const std::uint64_t first = next == cuts.begin() ? 0 : *(next - 1);
    const std::uint64_t end = next == cuts.end() ? motherFrames : std::min(*next, motherFrames);
    return {first, end > first ? end - first : 0};
}

}  // namespace

std::optional<FrameRange> framesToPlay(PlayRequest request, const PlayPlace& place)
{
    const std::uint64_t around = std::uint64_t{SECONDS_AROUND_CUT} * place.sampleRate;
    switch (request) {
    case PlayRequest::FromCursor: return rangeOf(place.cursor, place.motherFrames);
    case PlayRequest::UpToCut:
        if (!place.selectedCut) {
            return std::nullopt;
        }
        return rangeOf(*place.selectedCut > around ? *place.selectedCut - around : 0,
                       std::min(*place.selectedCut, place.motherFrames));
    case PlayRequest::FromCut:
        if (!place.selectedCut) {
            return std::nullopt;
        }
        return rangeOf(*place.selectedCut, std::min(*place.selectedCut + around, place.motherFrames));
    case PlayRequest::Child: {
        if (place.motherFrames == 0) {
            return std::nullopt;
        }
        // A cursor at the end stands in the last piece.
        const std::uint64_t at = std::min(place.cursor, place.motherFrames - 1);
        const FrameRange piece = pieceAt(at, place.cuts, place.motherFrames);
        return rangeOf(piece.first, piece.first + piece.count);
    }
    }
    return std::nullopt;
}
