// Bytes in memory read as a file is read, and Children's spans printed readably when a test fails.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>

#include "support/WavLayouts.h"
#include "wav/ChildSpan.h"
#include "wav/WavChunks.h"

// Reads the bytes as a file of exactly that length; the vector must outlive the reader.
inline ByteReader readerOf(const Bytes& file)
{
    return [&file](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        if (offset >= file.size()) {
            return std::size_t{0};
        }
        const std::size_t count = std::min<std::size_t>(bytes, file.size() - offset);
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), count, into);
        return count;
    };
}

inline Bytes le32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

// Identifier, size, body and the pad byte of an odd size.
inline Bytes chunkOf(const std::string& id, const Bytes& body)
{
    Bytes chunk = join({ascii(id), le32(static_cast<std::uint32_t>(body.size())), body});
    if (body.size() % 2 != 0) {
        chunk.push_back(0);
    }
    return chunk;
}

inline void PrintTo(const ChildSpan& span, std::ostream* out)
{
    *out << "{" << span.firstFrame << ", " << span.frames << ", \"" << span.title << "\"}";
}
