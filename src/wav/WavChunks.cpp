#include "wav/WavChunks.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/FileIo.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::uint64_t FIRST_CHUNK_AT = 12;     // after "RIFF", its size and "WAVE"
constexpr std::uint64_t CHUNK_HEADER_BYTES = 8;  // identifier and size
constexpr std::uint32_t SHORTEST_FMT = 16;
constexpr std::size_t LONGEST_FMT_READ = 40;  // the extensible form, sub-format included
constexpr std::uint32_t EXTENSIBLE_TAG = 0xFFFE;
constexpr std::uint32_t PCM_TAG = 1;
constexpr std::size_t EXTENSIBLE_FMT_BYTES = 40;
constexpr std::size_t SUB_FORMAT_AT = 24;
// What follows the leading code in every sub-format identifier of the base audio formats.
constexpr std::array<std::uint8_t, 14> SUB_FORMAT_TAIL = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t readLe16(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }

bool idIs(const std::uint8_t* bytes, const char (&id)[5]) { return std::memcmp(bytes, id, 4) == 0; }

bool readWhole(const ByteReader& readAt, std::uint64_t offset, std::uint8_t* into, std::size_t bytes)
{
    return readAt(offset, into, bytes) == bytes;
}

WavFormat parseFormat(const std::uint8_t* body, std::size_t bytes)
{
    WavFormat format;
    format.formatTag = readLe16(body);
    format.channels = readLe16(body + 2);
    format.sampleRate = readLe32(body + 4);
    format.byteRate = readLe32(body + 8);
    format.blockAlign = readLe16(body + 12);
    format.bitsPerSample = readLe16(body + 14);
    if (format.formatTag == EXTENSIBLE_TAG && bytes >= EXTENSIBLE_FMT_BYTES &&
        std::equal(SUB_FORMAT_TAIL.begin(), SUB_FORMAT_TAIL.end(), body + SUB_FORMAT_AT + 2)) {
        format.subFormatTag = readLe16(body + SUB_FORMAT_AT);
    }
    return format;
}

// Takes a fmt chunk's fields when it holds at least the 16 bytes every format has.
void readFormat(const ByteReader& readAt, ChunkPlace place, WavLayout& layout)
{
    if (place.size < SHORTEST_FMT) {
        return;
    }
    std::array<std::uint8_t, LONGEST_FMT_READ> body{};
    const std::size_t wanted = std::min<std::size_t>(place.size, body.size());
    const std::size_t got = readAt(place.bodyAt, body.data(), wanted);
    if (got < SHORTEST_FMT) {
        return;
    }
    layout.format = parseFormat(body.data(), got);
    layout.fmt = place;
}

}  // namespace

WavLayout walkWavChunks(std::uint64_t fileBytes, const ByteReader& readAt)
{
    WavLayout layout;
    std::array<std::uint8_t, FIRST_CHUNK_AT> riff{};
    if (fileBytes < FIRST_CHUNK_AT || !readWhole(readAt, 0, riff.data(), riff.size())) {
        return layout;
    }
    layout.riffWave = idIs(&riff[0], "RIFF") && idIs(&riff[8], "WAVE");
    if (!layout.riffWave) {
        return layout;
    }
    std::uint64_t at = FIRST_CHUNK_AT;
    for (std::uint32_t walked = 0; walked < MOST_CHUNKS_WALKED && at + CHUNK_HEADER_BYTES <= fileBytes; ++walked) {
        std::array<std::uint8_t, CHUNK_HEADER_BYTES> header{};
        if (!readWhole(readAt, at, header.data(), header.size())) {
            break;
        }
        const ChunkPlace place{at + CHUNK_HEADER_BYTES, readLe32(&header[4])};
        if (!layout.fmt && idIs(&header[0], "fmt ")) {
            readFormat(readAt, place, layout);
        } else if (!layout.data && idIs(&header[0], "data")) {
            layout.data = place;
        }
        if (layout.fmt && layout.data) {
            break;
        }
        // An odd-sized chunk is followed by one pad byte that its size does not count.
        at = place.bodyAt + place.size + (place.size & 1u);
    }
    return layout;
}

WavLayout readWavLayout(std::FILE* stream, std::uint64_t fileBytes)
{
    return walkWavChunks(fileBytes, [stream](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        if (!seekFile(stream, offset)) {
            return std::size_t{0};
        }
        return std::fread(into, 1, bytes, stream);
    });
}

bool isPcm(const WavFormat& format)
{
    return format.formatTag == PCM_TAG || (format.formatTag == EXTENSIBLE_TAG && format.subFormatTag == PCM_TAG);
}

bool isCutFormat(const WavFormat& format)
{
    return isPcm(format) && format.channels == 2 && format.bitsPerSample == 16 && format.sampleRate == 44100;
}

bool isCanonicalHeader(const HeaderBytes& header)
{
    return idIs(&header[RIFF_ID_AT], "RIFF") && idIs(&header[WAVE_FMT_ID_AT], "WAVE") &&
           idIs(&header[WAVE_FMT_ID_AT + 4], "fmt ") && readLe32(&header[FMT_SIZE_AT]) == SHORTEST_FMT &&
           idIs(&header[DATA_ID_AT], "data");
}

HeaderBytes canonicalHeaderOf(const WavFormat& format, std::uint32_t dataSize)
{
    HeaderBytes header{};
    fillDefaultHeader(header);
    const std::uint32_t tag =
        format.formatTag == EXTENSIBLE_TAG && format.subFormatTag != 0 ? format.subFormatTag : format.formatTag;
    writeLe16(tag, &header[FORMAT_TAG_AT]);
    writeLe16(format.channels, &header[CHANNELS_AT]);
    writeLe32(format.sampleRate, &header[SAMPLE_RATE_AT]);
    writeLe32(format.byteRate, &header[BYTE_RATE_AT]);
    writeLe16(format.blockAlign, &header[BLOCK_ALIGN_AT]);
    writeLe16(format.bitsPerSample, &header[BITS_PER_SAMPLE_AT]);
    writeHeaderSizes(header, dataSize);
    return header;
}
