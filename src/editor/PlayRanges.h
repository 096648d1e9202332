// Which frames of the Mother each way of listening plays, as pure functions of where the cursor
// and the cuts stand.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The ways of listening: from the cursor to the end, the 2 s up to the selected cut (the end of the
// Child before it), the 2 s from it (the start of the Child after it), and the whole piece that
// holds the cursor (exactly the frames its Child will hold).
enum class PlayRequest { FromCursor, UpToCut, FromCut, Child };

// Frames [first, first + count) of the Mother.
struct FrameRange {
    std::uint64_t first = 0;
    std::uint64_t count = 0;
    bool operator==(const FrameRange&) const = default;
};

// Where the editor stands: its cursor, its selected cut (a frame), its cuts in ascending order, the
// Mother's frames and rate.
struct PlayPlace {
    std::uint64_t cursor = 0;
    std::optional<std::uint64_t> selectedCut;
    const std::vector<std::uint64_t>& cuts;
    std::uint64_t motherFrames = 0;
    std::uint32_t sampleRate = 0;
};

// How long "," and "." play on either side of a cut.
inline constexpr std::uint32_t SECONDS_AROUND_CUT = 2;

// The frames the request plays; none when it has nothing to play (no cut selected for "," and
// ".", a cursor at the end for Space). A cursor at the end stands in the last piece.
std::optional<FrameRange> framesToPlay(PlayRequest request, const PlayPlace& place);
