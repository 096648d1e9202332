// The metadata chunks a Child carries so that it keeps its place in time: the Mother's bext with
// its TimeReference moved to the Child's first frame, the Mother's iXML as it is, and the markers
// that fall inside the Child, counted from its start. Each is a whole chunk (identifier, size,
// body and the pad byte of an odd size), ready to stand between the Child's fmt and data chunks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wav/WavMetadata.h"

// The bext fields before the TimeReference: description (256), originator (32), its reference
// (32), date (10) and time (8). The TimeReference is a 64-bit count of samples since midnight.
inline constexpr std::size_t BEXT_TIME_REFERENCE_AT = 338;

// The TimeReference of a bext body, when the body is long enough to hold one.
std::optional<std::uint64_t> bextTimeReference(const ChunkBody& bext);

// The Child's bext chunk: the Mother's body with its TimeReference increased by the Child's first
// frame (a 64-bit sum, modulo 2^64 as the field is), every other byte as it is. Empty when the body
// cannot hold a TimeReference or is too large for a chunk.
ChunkBody childBextChunk(const ChunkBody& motherBext, std::uint64_t firstFrame);

// A Child's own start, as the bext and iXML tell it: its date ("YYYY-MM-DD") and time
// ("HH:MM:SS") on the wall clock, and the samples from that day's midnight to it.
struct BextTime {
    std::string date;
    std::string time;
    std::uint64_t timeReference = 0;

    friend bool operator==(const BextTime&, const BextTime&) = default;
};

// The Child's bext chunk dated at its own start: the Mother's body with its OriginationDate,
// OriginationTime and TimeReference those of `at`. Empty when the body cannot hold them.
ChunkBody childBextChunkAt(const ChunkBody& motherBext, const BextTime& at);

// The Mother's iXML with its timestamp fields, those it has (BWF_ORIGINATION_DATE and _TIME,
// BWF_TIME_REFERENCE_LOW and _HIGH, TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO and _HI), saying `at`.
ChunkBody ixmlAt(const ChunkBody& motherIxml, const BextTime& at);

// The Child's iXML chunk: the Mother's body unchanged. Empty when it is too large for a chunk.
ChunkBody childIxmlChunk(const ChunkBody& motherIxml);

// The markers at firstFrame up to (not including) firstFrame + frames, in the order of their
// frames, as a `cue ` chunk of points counted from the Child's start and numbered from 1, then a
// `LIST`/`adtl` chunk with a `labl` for each that has a label. Empty when no marker falls inside.
// A marker further than a cue point's 32-bit offset can reach from the Child's start is left out.
ChunkBody childMarkerChunks(const std::vector<WavMarker>& markers, std::uint64_t firstFrame, std::uint64_t frames);

// All three, in that order: what a Child of these frames carries of the Mother's metadata; with
// `at`, its bext and iXML dated at the Child's own start.
ChunkBody childMetadataChunks(const WavMetadata& mother, std::uint64_t firstFrame, std::uint64_t frames,
                              const std::optional<BextTime>& at = std::nullopt);

// A Child's header (RIFF or RF64, ending with its data chunk's 8-byte header) with these chunks
// standing before its data chunk; its RIFF size, or an RF64 file's ds64 RIFF size, counts them.
// Unchanged when the header is not so laid out, or its RIFF size would no longer fit 32 bits.
std::vector<std::uint8_t> withChunksBeforeData(std::vector<std::uint8_t> header, const ChunkBody& chunks);
