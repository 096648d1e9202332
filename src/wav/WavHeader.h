// The fixed 44-byte WAV header: where its fields stand, its little-endian numbers, the header
// every Child receives, and reading a header from a file. Fields are never validated here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/AppState.h"

// Field offsets into HeaderBytes (index 0 is byte position 1 of the file).
inline constexpr std::size_t RIFF_ID_AT = 0;           // positions 1-4: "RIFF"
inline constexpr std::size_t RIFF_SIZE_AT = 4;         // positions 5-8: everything after this field
inline constexpr std::size_t WAVE_FMT_ID_AT = 8;       // positions 9-16: "WAVEfmt "
inline constexpr std::size_t FMT_SIZE_AT = 16;         // positions 17-20
inline constexpr std::size_t FORMAT_TAG_AT = 20;       // positions 21-22
inline constexpr std::size_t CHANNELS_AT = 22;         // positions 23-24
inline constexpr std::size_t SAMPLE_RATE_AT = 24;      // positions 25-28
inline constexpr std::size_t BYTE_RATE_AT = 28;        // positions 29-32
inline constexpr std::size_t BLOCK_ALIGN_AT = 32;      // positions 33-34
inline constexpr std::size_t BITS_PER_SAMPLE_AT = 34;  // positions 35-36
inline constexpr std::size_t DATA_ID_AT = 36;          // positions 37-40: "data"
inline constexpr std::size_t DATA_SIZE_AT = 40;        // positions 41-44: sample bytes that follow

// The RIFF size counts "WAVE", the whole fmt chunk and the data chunk's own 8-byte header on
// top of the sample bytes.
inline constexpr std::uint32_t RIFF_SIZE_OVER_DATA = 36;

// Unsigned values of two, four and eight bytes, least significant first.
std::uint16_t readLe16(const std::uint8_t* bytes);
std::uint32_t readLe32(const std::uint8_t* bytes);
std::uint64_t readLe64(const std::uint8_t* bytes);

// Appends a chunk identifier's four characters, or a value of four or eight bytes least
// significant first, to bytes being made into a file's header or chunks.
void appendId(std::vector<std::uint8_t>& into, const char (&id)[5]);
void appendLe32(std::vector<std::uint8_t>& into, std::uint32_t value);
void appendLe64(std::vector<std::uint8_t>& into, std::uint64_t value);

// Stores exactly two bytes, least significant first.
void writeLe16(std::uint32_t value, std::uint8_t* destination);

// Stores exactly four bytes, least significant first; the bytes around them stay as they are.
void writeLe32(std::uint32_t value, std::uint8_t* destination);

// One 16-bit sample of two bytes, low byte first, as a value in -32768..32767.
std::int16_t readLe16Signed(std::uint8_t low, std::uint8_t high);

// The data size of a header: positions 41-44.
std::uint32_t headerDataSize(const HeaderBytes& header);

// Writes the 16-bit stereo 44 100 Hz PCM fields (positions 1-4 and 9-40); the two size fields
// keep whatever they held.
void fillDefaultHeader(HeaderBytes& header);
void fillDefaultHeader(AppState& state);

// Writes the RIFF size (positions 5-8) and the data size (positions 41-44) for dataBytes of samples.
void writeHeaderSizes(HeaderBytes& header, std::uint32_t dataBytes);

// Reads up to 44 bytes from the stream's current position into the header and returns how many
// came; the positions after those keep their earlier contents.
std::size_t readHeader(std::FILE* stream, HeaderBytes& header);

struct HeaderRead {
    bool opened = false;
    std::size_t bytesRead = 0;
};

// Opens the file, reads up to 44 bytes from its start into the header (as readHeader) and closes it.
HeaderRead readHeaderFile(const std::string& path, HeaderBytes& header);
