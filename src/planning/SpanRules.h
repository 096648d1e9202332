// The rules that cut a Mother in its own time into spans of its frames, laid end to end from its
// first frame to its last: nothing is left out, and the last span holds what remains.
#pragma once

#include <cstdint>
#include <optional>

#include "core/CutRequest.h"
#include "wav/ChildSpan.h"

// The length at this rate in frames, rounded to the nearest frame (a half frame up); none when it
// does not fit 64 bits.
std::optional<std::uint64_t> framesOf(const TimeLength& length, std::uint32_t framesPerSecond);

// Pieces of pieceFrames each, the last with the rest; none of 0 frames.
ChildSpans spansEvery(std::uint64_t motherFrames, std::uint64_t pieceFrames);

// `pieces` spans: the first pieces - 1 of the same whole number of frames, the last with the rest.
// None when there are fewer frames than pieces.
ChildSpans spansOfPieces(std::uint64_t motherFrames, std::uint64_t pieces);

// The frames of the Mother as long in time as a template's frames at its own rate, to the nearest.
std::optional<std::uint64_t> framesLike(std::uint64_t templateFrames, std::uint32_t templateRate,
                                        std::uint32_t motherRate);
