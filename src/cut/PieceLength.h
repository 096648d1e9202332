// The arithmetic of the piece lengths, apart from any question or box: every length is a whole
// number of 4-byte frames and fits in 32 bits.
#pragma once

#include <cstdint>

// The units the time cuts count in.
enum class TimeUnit { Hundredths, Tenths, Quarters, Halves, Seconds };

// Sample bytes in one unit of the time cut.
std::uint32_t bytesPerUnit(TimeUnit unit);

// The most units whose bytes still fit in 32 bits; one more would wrap the piece length.
std::uint32_t largestUnitCount(TimeUnit unit);

// The largest multiple of 4 bytes (a whole number of frames) not above rawBytes.
std::uint32_t roundDownToFrames(std::uint32_t rawBytes);

// The length of one of `count` equal pieces of dataBytes, rounded down to whole frames;
// 0 when the count is 0 or above a quarter of dataBytes.
std::uint32_t countPieceBytes(std::uint32_t dataBytes, std::uint32_t count);
