#include "planning/SpanRules.h"

#include <limits>

namespace {

__extension__ using Wide = unsigned __int128;

// a * b / c to the nearest whole number, a half up; none beyond 64 bits.
std::optional<std::uint64_t> scaled(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    if (c == 0) {
        return std::nullopt;
    }
    const Wide value = (static_cast<Wide>(a) * b * 2 + c) / (static_cast<Wide>(c) * 2);
    if (value > std::numeric_limits<std::uint64_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

}  // namespace

std::optional<std::uint64_t> framesOf(const TimeLength& length, std::uint32_t framesPerSecond)
{
    if (length.inFrames) {
        return length.frames;
    }
    return scaled(length.numerator, framesPerSecond, length.denominator);
}

ChildSpans spansEvery(std::uint64_t motherFrames, std::uint64_t pieceFrames)
{
    ChildSpans spans;
    if (pieceFrames == 0) {
        return spans;
    }
    spans.reserve(static_cast<std::size_t>(motherFrames / pieceFrames + 1));
    for (std::uint64_t at = 0; at < motherFrames; at += pieceFrames) {
        const std::uint64_t left = motherFrames - at;
        spans.push_back({at, left < pieceFrames ? left : pieceFrames, {}});
        if (left <= pieceFrames) {
            break;
        }
    }
    return spans;
}

ChildSpans spansOfPieces(std::uint64_t motherFrames, std::uint64_t pieces)
{
    ChildSpans spans;
    if (pieces == 0 || motherFrames < pieces) {
        return spans;
    }
    const std::uint64_t each = motherFrames / pieces;
    spans.reserve(static_cast<std::size_t>(pieces));
    for (std::uint64_t i = 0; i + 1 < pieces; ++i) {
        spans.push_back({i * each, each, {}});
    }
    const std::uint64_t lastAt = (pieces - 1) * each;
    spans.push_back({lastAt, motherFrames - lastAt, {}});
    return spans;
}

std::optional<std::uint64_t> framesLike(std::uint64_t templateFrames, std::uint32_t templateRate,
                                        std::uint32_t motherRate)
{
    return scaled(templateFrames, motherRate, templateRate);
}
