// What a recording says about its own time, beside its samples: the markers a recorder or editor
// wrote (`cue ` points, named by `labl` in a `LIST`/`adtl` chunk), the Broadcast WAV `bext` chunk
// and the `iXML` chunk. Read as functions of bytes: every size a file states is checked against
// the file's own length, so a damaged or hostile file gives fewer findings, never a wrong read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wav/WavChunks.h"

using ChunkBody = std::vector<std::uint8_t>;

// One marker: its identifier in the cue chunk, its place in the Mother's frames (the point's
// sample offset within the data chunk, which counts frames) and its label, empty without one.
struct WavMarker {
    std::uint32_t id = 0;
    std::uint64_t frame = 0;
    std::string label;

    friend bool operator==(const WavMarker&, const WavMarker&) = default;
};

struct WavMetadata {
    std::vector<WavMarker> markers;  // the first cue chunk's points, in its order
    std::optional<ChunkBody> bext;   // the first bext chunk's body, as it is
    std::optional<ChunkBody> ixml;   // the first iXML chunk's body, as it is
};

// A chunk body larger than this is not metadata a recorder writes: it is passed over, so that a
// file claiming a huge chunk cannot make the reader hold it.
inline constexpr std::uint32_t LARGEST_METADATA_CHUNK = 16 * 1024 * 1024;

// Walks every chunk after "WAVE" (or "RF64"/"BW64", whose data size its `ds64` chunk gives), each
// padded to an even size, as far as the file's own length, and reads the markers, bext and iXML.
WavMetadata readWavMetadata(std::uint64_t fileBytes, const ByteReader& readAt);
