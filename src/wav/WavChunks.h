// Where a WAV file keeps its format and its samples. Recorders and editors put chunks of their own
// (bext, JUNK, LIST, iXML, ...) before the samples, after them or both, so the file is walked chunk
// by chunk instead of being read as one fixed header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>

#include "core/AudioFormat.h"

// Reads up to `bytes` bytes of the file from a byte offset into `into`; returns how many came.
using ByteReader = std::function<std::size_t(std::uint64_t offset, std::uint8_t* into, std::size_t bytes)>;

// A chunk's body: its first byte's offset in the file and the size its header states.
struct ChunkPlace {
    std::uint64_t bodyAt = 0;
    std::uint32_t size = 0;
    bool operator==(const ChunkPlace&) const = default;
};

// The fields of a fmt chunk; subFormatTag is the leading code of an extensible format's
// sub-format, 0 when the chunk has none.
struct WavFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t subFormatTag = 0;
    bool operator==(const WavFormat&) const = default;
};

struct WavLayout {
    bool riffWave = false;           // "RIFF" at offset 0 and "WAVE" at offset 8
    std::optional<ChunkPlace> fmt;   // the first fmt chunk of at least 16 bytes
    std::optional<ChunkPlace> data;  // the first data chunk; its body may run past the file's end
    WavFormat format;                // read from fmt, zeros without one
};

// A file of more chunks than this before its samples is not taken for a recording: the walk
// stops rather than reading millions of tiny chunks.
inline constexpr std::uint32_t MOST_CHUNKS_WALKED = 100000;

// Walks the chunks after "WAVE", each padded to an even size, until fmt and data are both found
// or the next chunk header would not lie whole inside the file. The RIFF size is not trusted:
// the file's own length bounds the walk.
WavLayout walkWavChunks(std::uint64_t fileBytes, const ByteReader& readAt);

// The same walk over an open file; the stream's position is left undefined.
WavLayout readWavLayout(std::FILE* stream, std::uint64_t fileBytes);

// PCM, or the extensible format with the PCM sub-format.
bool isPcm(const WavFormat& format);

// 16-bit PCM, 2 channels, 44 100 frames per second: the one format the cut arithmetic knows.
bool isCutFormat(const WavFormat& format);

// Whether the 44 bytes are laid out as the fixed header: "RIFF", "WAVE", a 16-byte "fmt " chunk
// at offset 12 and "data" at offset 36. The field values are not judged.
bool isCanonicalHeader(const HeaderBytes& header);

// The fixed 44-byte header for these format fields and this data size. An extensible format
// becomes its sub-format, since the 16-byte fmt chunk has no room for the extension.
HeaderBytes canonicalHeaderOf(const WavFormat& format, std::uint32_t dataSize);
