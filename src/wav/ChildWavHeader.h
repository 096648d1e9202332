// The header of a Child that keeps its Mother's format: "RIFF", the Mother's own fmt chunk as it
// stands, then "data"; a Child of 4 GiB or more is an RF64 file, its sizes in a ds64 chunk.
#pragma once

#include <cstdint>
#include <vector>

#include "wav/WavChunks.h"

// The fmt body a Child carries: the Mother's own (16, 18 or 40 bytes: an extensible Mother's
// channel mask and sub-format are kept), cut to an even length so the data chunk stays aligned.
std::vector<std::uint8_t> carriedFmtBody(const WavLayout& mother);

// Whether a Child of these sample bytes behind this fmt body is written as RF64: when its file
// would be 4 GiB or more with a plain header.
bool needsRf64(std::size_t fmtBodyBytes, std::uint64_t dataBytes);

// The bytes written before a Child's samples: a plain header, 44 bytes for a 16-byte fmt, or the
// RF64 one with its ds64 (RIFF size, data size, frames = dataBytes / blockAlign, no table).
std::vector<std::uint8_t> childWavHeader(const std::vector<std::uint8_t>& fmtBody, std::uint16_t blockAlign,
                                         std::uint64_t dataBytes);

// How many bytes that header has.
std::uint64_t childWavHeaderBytes(std::size_t fmtBodyBytes, std::uint64_t dataBytes);
