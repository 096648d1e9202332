// The time the window counts a Mother's lengths in: its bytes a second and its frame. The cut
// arithmetic's own format (16-bit stereo 44 100 Hz PCM) counts 176 400 bytes a second in frames of
// 4 bytes; a Mother of another format counts those its own fmt gives.
#pragma once

#include <cstdint>
#include <optional>

#include "core/AudioFormat.h"

struct MotherTime {
    std::uint32_t bytesPerSecond = BYTES_PER_SECOND;
    std::uint32_t frameBytes = BYTES_PER_FRAME;

    friend bool operator==(const MotherTime&, const MotherTime&) = default;
};

// Of the header made from a Mother's own fmt fields, as LOAD keeps it for a Mother of another
// format; none is the cut arithmetic's own format. A byte rate of 0 counts 176 400 bytes a second
// all the same, and a block align of 0 cuts at any byte, as such a Mother's Children are cut.
MotherTime motherTimeOf(const std::optional<HeaderBytes>& motherOwnHeader);

// The bytes rounded down to whole frames.
std::uint64_t wholeFramesIn(const MotherTime& time, std::uint64_t bytes);
