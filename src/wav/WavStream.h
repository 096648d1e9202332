// A WAV file read from a stream, front to back and once, as a recorder or a converter writes one
// to a pipe: "RIFF" (or "RF64", "BW64"), "WAVE" and its chunks up to the samples, read as the chunk
// walk and the metadata reading read the same file, so that the stream and the file give one
// format and one set of metadata. What follows the samples never comes into it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "wav/WavChunks.h"
#include "wav/WavMetadata.h"

// Reads `bytes` bytes of the stream into `into` and returns how many came: fewer only where the
// stream ended or cannot go on.
using StreamBytes = std::function<std::size_t(std::uint8_t* into, std::size_t bytes)>;

struct StreamHead {
    std::uint64_t bytesRead = 0;      // up to the first sample byte when the data chunk was found
    std::size_t headerBytesRead = 0;  // of the first 44, as a file's first look counts them
    WavLayout layout;                 // the walk of the chunks before the samples
    WavMetadata metadata;             // the bext, iXML and markers of those chunks
    // The samples the header gives, when it gives a size; none for the 0 or 0xFFFFFFFF a writer
    // that cannot seek back leaves (in an RF64 ds64 also all 64 bits set): then the samples are
    // the bytes to the stream's end.
    std::optional<std::uint64_t> sampleBytes;
};

// Only these chunks before the samples are kept to be read (the first ds64, fmt, bext, iXML, cue
// and LIST chunks), each up to the size metadata is read at, and all of them up to this many bytes:
// the others are read past, so that no chunk a stream claims can make the reader hold it.
inline constexpr std::uint64_t MOST_HEAD_BYTES_KEPT = 64 * 1024 * 1024;

// Reads from the stream's first byte up to and including the data chunk's header, so that the
// next byte is the first sample byte; without a data chunk, up to the end or to the walk's limit
// of chunks.
StreamHead readStreamHead(const StreamBytes& read);
