// The one audio format the program cuts, and the sizes every part of it counts in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::uint32_t BYTES_PER_SECOND = 176400;  // 44 100 frames of 2 channels x 2 bytes
inline constexpr std::uint32_t BYTES_PER_CENTISECOND = 1764;
inline constexpr std::uint32_t BYTES_PER_FRAME = 4;  // two channels of two bytes
inline constexpr std::uint32_t COPY_BUFFER_CAPACITY = 1024;
inline constexpr std::uint32_t WAVESHOW_MAX_FILE_BYTES = 5859375;
inline constexpr std::size_t WAV_HEADER_BYTES = 44;

using Flag = std::uint8_t;                                       // a selection flag: 0 or 1
using HeaderBytes = std::array<std::uint8_t, WAV_HEADER_BYTES>;  // byte positions 1..44 at index 0..43

// How pieceBytes was last set. The numbers are the ones the settings and the dispatcher know.
enum class CutMode : std::int32_t {
    None = 0,
    Template = 1,  // the data length of a template wave
    Time = 2,      // a number of time units
    Count = 3,     // a wanted number of pieces
    Marks = 4,     // where the recording says: no piece length, the record's marks request instead
};
