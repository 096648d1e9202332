// The arithmetic of the piece lengths, apart from any question or box: every length is a whole
// number of the Mother's frames and fits in 32 bits. Lengths count the Mother's own time: 176 400
// bytes a second in 4-byte frames for 16-bit stereo 44 100 Hz, another format's own otherwise.
#pragma once

#include <cstdint>

#include "wav/MotherTime.h"

// The units the time cuts count in.
enum class TimeUnit { Hundredths, Tenths, Quarters, Halves, Seconds };

// How many units make a second.
std::uint32_t unitsPerSecond(TimeUnit unit);

// The bytes of that many units of the Mother's time, rounded down to its whole frames; in 64 bits,
// since a length past 32 bits is for the caller to refuse.
std::uint64_t timePieceBytes(std::uint32_t units, TimeUnit unit, const MotherTime& time);

// The most units whose bytes still fit in 32 bits; one more would wrap the piece length.
std::uint32_t largestUnitCount(TimeUnit unit, const MotherTime& time);

// Sample bytes in one unit, and the most units, of 16-bit stereo 44 100 Hz.
std::uint32_t bytesPerUnit(TimeUnit unit);
std::uint32_t largestUnitCount(TimeUnit unit);

// The largest multiple of 4 bytes (a whole number of frames) not above rawBytes.
std::uint32_t roundDownToFrames(std::uint32_t rawBytes);

// The length of one of `count` equal pieces of dataBytes, rounded down to whole frames (of 4 bytes,
// or of frameBytes); 0 when the count is 0 or above the frames of dataBytes.
std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count);
std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count, std::uint32_t frameBytes);

// The bytes of the Mother's time that last as long as a template's data bytes at its own bytes a
// second (0 counts 176 400), rounded down to the Mother's whole frames; a piece past 32 bits is
// taken as the longest whole-frame piece that fits.
std::uint32_t pieceBytesLike(std::uint32_t templateBytes, std::uint32_t templateBytesPerSecond, const MotherTime& time);
