// Where a WAV file keeps its format and its samples. Recorders and editors put chunks of their own
// (bext, JUNK, LIST, iXML, ...) before the samples, after them or both, so the file is walked chunk
// by chunk instead of being read as one fixed header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "core/AudioFormat.h"

// Reads up to `bytes` bytes of the file from a byte offset into `into`; returns how many came.
using ByteReader = std::function<std::size_t(std::uint64_t offset, std::uint8_t* into, std::size_t bytes)>;

// A chunk's body: its first byte's offset in the file and the size its header states (the 32-bit
// field, which an RF64 file's large chunks leave at 0xFFFFFFFF).
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

// The longest fmt body kept: the extensible form, sub-format included.
inline constexpr std::size_t LONGEST_FMT_BODY = 40;

struct WavLayout {
    bool riffWave = false;  // "RIFF" at offset 0 and "WAVE" at offset 8
    // "RF64" or "BW64" at offset 0, "WAVE" at 8 and a ds64 chunk first, which holds the sizes that
    // do not fit 32 bits. Such a file is no RIFF WAVE (riffWave stays false) but is walked as one.
    bool rf64 = false;
    std::optional<ChunkPlace> fmt;      // the first fmt chunk of at least 16 bytes
    std::optional<ChunkPlace> data;     // the first data chunk; its body may run past the file's end
    WavFormat format;                   // read from fmt, zeros without one
    std::vector<std::uint8_t> fmtBody;  // the fmt chunk's body as it stands, at most its first 40 bytes
    // The data size the header gives: the data chunk's own field, or an RF64 file's ds64 size
    // when that field is 0xFFFFFFFF. 0 without a data chunk.
    std::uint64_t dataBytes = 0;
    // Whether nothing but the data chunk's samples can follow its header: the size given runs past
    // the file's end, or it is 0 or 0xFFFFFFFF and what follows its end is no chain of chunks up to
    // the file's end. Only then may a reader take the bytes to the end of the file as samples.
    bool dataLast = false;
};

// Where the chunks start, after "RIFF" (or "RF64"), its size and "WAVE", and each one's header:
// identifier and size.
inline constexpr std::uint64_t FIRST_CHUNK_AT = 12;
inline constexpr std::uint64_t CHUNK_HEADER_BYTES = 8;
// An RF64 size field that stands for the size in the ds64 chunk.
inline constexpr std::uint32_t SIZE_IN_DS64 = 0xFFFFFFFFu;

// Whether four bytes are this chunk identifier.
bool chunkIdIs(const std::uint8_t* bytes, const char (&id)[5]);

// An RF64 or BW64 file's data size, from the ds64 chunk that must come first; none when it is
// not there or too short.
std::optional<std::uint64_t> readDs64DataSize(const ByteReader& readAt, std::uint64_t fileBytes);

// A file of more chunks than this before its samples is not taken for a recording: the walk
// stops rather than reading millions of tiny chunks.
inline constexpr std::uint32_t MOST_CHUNKS_WALKED = 100000;

// Walks the chunks after "WAVE", each padded to an even size, until fmt and data are both found
// or the next chunk header would not lie whole inside the file. The RIFF size is not trusted:
// the file's own length bounds the walk.
WavLayout walkWavChunks(std::uint64_t fileBytes, const ByteReader& readAt);

// The same walk over an open file; the stream's position is left undefined.
WavLayout readWavLayout(std::FILE* stream, std::uint64_t fileBytes);

// The samples a reader takes from the data chunk. A recorder that lost its power, or a program that
// wrote to a pipe, leaves the data size it wrote first (0 or 0xFFFFFFFF); when the data chunk is
// the last one and its size is 0, 0xFFFFFFFF or larger than the bytes after it, its samples are the
// bytes to the end of the file in whole frames, and the header was unfinished.
struct DataExtent {
    std::uint64_t headerDataSize = 0;  // the size the header gives
    std::uint64_t usedDataSize = 0;    // the sample bytes taken
    bool unfinished = false;           // the header's size was not taken; a caller warns of it
    bool operator==(const DataExtent&) const = default;
};

// The data chunk's samples in a file of fileBytes: its header's size, or for an unfinished header
// the bytes to the end of the file, rounded down to the format's block align (when it has one).
// Without a data chunk, all zeros.
DataExtent dataExtentOf(const WavLayout& layout, std::uint64_t fileBytes);

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
