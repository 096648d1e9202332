// The rules that cut a stream where they know ahead: pieces of a length, and spans of a list
// (a label list's, a CUE sheet's). Both number and leave out the Children as planSpans does
// for a file, so that a stream and its file give the same Children.
#pragma once

#include <cstdint>
#include <memory>

#include "planning/StreamRule.h"
#include "wav/ChildSpan.h"

// Pieces of pieceFrames from frame 0 on, numbered from 1, the last ending with the stream; above
// 0, `from` leaves out those numbered below it.
std::unique_ptr<StreamRule> everyFramesRule(std::uint64_t pieceFrames, std::int32_t from);

// The spans, numbered from 1 in their order and told in the order of their first frames (a
// region of a label list may begin before the pieces of an earlier one end); above 0, `from`
// leaves out those numbered below it. A span that reaches the end of the frames it was made for
// ends with the stream.
std::unique_ptr<StreamRule> spansRule(const ChildSpans& spans, std::uint64_t framesMadeFor, std::int32_t from);
