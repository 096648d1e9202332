#include "wav/WavChunks.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/FileIo.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::uint32_t SHORTEST_FMT = 16;
constexpr std::size_t LONGEST_FMT_READ = LONGEST_FMT_BODY;
constexpr std::uint64_t DS64_DATA_SIZE_AT = 8;  // after the RIFF size
constexpr std::uint32_t SHORTEST_DS64 = 24;     // the RIFF, data and sample count sizes
constexpr std::uint32_t EXTENSIBLE_TAG = 0xFFFE;
constexpr std::uint32_t PCM_TAG = 1;
constexpr std::size_t EXTENSIBLE_FMT_BYTES = 40;
constexpr std::size_t SUB_FORMAT_AT = 24;
// What follows the leading code in every sub-format identifier of the base audio formats.
constexpr std::array<std::uint8_t, 14> SUB_FORMAT_TAIL = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

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
    layout.fmtBody.assign(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(got));
    layout.fmt = place;
}

bool isChunkId(const std::uint8_t* id)
{
    return std::all_of(id, id + 4, [](std::uint8_t c) { return c >= 0x20 && c <= 0x7E; });
}

// Whether the bytes from `at` to the file's end are whole chunks, each with an identifier of four
// printable characters: then they are chunks after the samples, not samples.
bool chunksRunToEnd(const ByteReader& readAt, std::uint64_t at, std::uint64_t fileBytes)
{
    for (std::uint32_t walked = 0; walked < MOST_CHUNKS_WALKED && at < fileBytes; ++walked) {
        std::array<std::uint8_t, CHUNK_HEADER_BYTES> header{};
        if (at + CHUNK_HEADER_BYTES > fileBytes || !readWhole(readAt, at, header.data(), header.size()) ||
            !isChunkId(header.data())) {
            return false;
        }
        const std::uint32_t size = readLe32(&header[4]);
        const std::uint64_t end = at + CHUNK_HEADER_BYTES + size;
        if (end > fileBytes) {
            return false;
        }
        // The last chunk's pad byte may be missing.
        at = end + (size & 1u) > fileBytes ? fileBytes : end + (size & 1u);
    }
    return at == fileBytes;
}

bool sizeLeftUnfinished(std::uint64_t size) { return size == 0 || size == SIZE_IN_DS64; }

void judgeDataLast(const ByteReader& readAt, std::uint64_t fileBytes, WavLayout& layout)
{
    const std::uint64_t at = layout.data->bodyAt;
    const std::uint64_t after = fileBytes > at ? fileBytes - at : 0;
    if (layout.dataBytes > after) {
        layout.dataLast = true;
    } else if (sizeLeftUnfinished(layout.dataBytes) && layout.dataBytes < after) {
        const std::uint64_t end = at + layout.dataBytes + (layout.dataBytes & 1u);
        layout.dataLast = !chunksRunToEnd(readAt, end, fileBytes);
    }
}

}  // namespace

bool chunkIdIs(const std::uint8_t* bytes, const char (&id)[5]) { return std::memcmp(bytes, id, 4) == 0; }

std::optional<std::uint64_t> readDs64DataSize(const ByteReader& readAt, std::uint64_t fileBytes)
{
    std::array<std::uint8_t, CHUNK_HEADER_BYTES + SHORTEST_DS64> ds64{};
    if (fileBytes < FIRST_CHUNK_AT + ds64.size() || !readWhole(readAt, FIRST_CHUNK_AT, ds64.data(), ds64.size()) ||
        !chunkIdIs(&ds64[0], "ds64") || readLe32(&ds64[4]) < SHORTEST_DS64) {
        return std::nullopt;
    }
    return readLe64(&ds64[CHUNK_HEADER_BYTES + DS64_DATA_SIZE_AT]);
}

WavLayout walkWavChunks(std::uint64_t fileBytes, const ByteReader& readAt)
{
    WavLayout layout;
    std::array<std::uint8_t, FIRST_CHUNK_AT> riff{};
    if (fileBytes < FIRST_CHUNK_AT || !readWhole(readAt, 0, riff.data(), riff.size())) {
        return layout;
    }
    layout.riffWave = chunkIdIs(&riff[0], "RIFF") && chunkIdIs(&riff[8], "WAVE");
    std::optional<std::uint64_t> ds64DataSize;
    if ((chunkIdIs(&riff[0], "RF64") || chunkIdIs(&riff[0], "BW64")) && chunkIdIs(&riff[8], "WAVE")) {
        ds64DataSize = readDs64DataSize(readAt, fileBytes);
        layout.rf64 = ds64DataSize.has_value();
    }
    if (!layout.riffWave && !layout.rf64) {
        return layout;
    }
    std::uint64_t at = FIRST_CHUNK_AT;
    for (std::uint32_t walked = 0; walked < MOST_CHUNKS_WALKED && at + CHUNK_HEADER_BYTES <= fileBytes; ++walked) {
        std::array<std::uint8_t, CHUNK_HEADER_BYTES> header{};
        if (!readWhole(readAt, at, header.data(), header.size())) {
            break;
        }
        const ChunkPlace place{at + CHUNK_HEADER_BYTES, readLe32(&header[4])};
        std::uint64_t size = place.size;
        if (!layout.fmt && chunkIdIs(&header[0], "fmt ")) {
            readFormat(readAt, place, layout);
        } else if (!layout.data && chunkIdIs(&header[0], "data")) {
            layout.data = place;
            size = layout.rf64 && place.size == SIZE_IN_DS64 ? *ds64DataSize : place.size;
            layout.dataBytes = size;
            judgeDataLast(readAt, fileBytes, layout);
        }
        if (layout.fmt && layout.data) {
            break;
        }
        // An odd-sized chunk is followed by one pad byte that its size does not count.
        const std::uint64_t left = fileBytes - place.bodyAt;
        at = size >= left ? fileBytes : place.bodyAt + size + (size & 1u);
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

DataExtent dataExtentOf(const WavLayout& layout, std::uint64_t fileBytes)
{
    DataExtent extent;
    if (!layout.data) {
        return extent;
    }
    extent.headerDataSize = layout.dataBytes;
    extent.usedDataSize = layout.dataBytes;
    const std::uint64_t at = layout.data->bodyAt;
    const std::uint64_t after = fileBytes > at ? fileBytes - at : 0;
    if (layout.dataLast && (layout.dataBytes > after || sizeLeftUnfinished(layout.dataBytes))) {
        const std::uint64_t frame = layout.format.blockAlign;
        extent.usedDataSize = frame == 0 ? after : after / frame * frame;
        extent.unfinished = extent.usedDataSize != extent.headerDataSize;
    }
    return extent;
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
    return chunkIdIs(&header[RIFF_ID_AT], "RIFF") && chunkIdIs(&header[WAVE_FMT_ID_AT], "WAVE") &&
           chunkIdIs(&header[WAVE_FMT_ID_AT + 4], "fmt ") && readLe32(&header[FMT_SIZE_AT]) == SHORTEST_FMT &&
           chunkIdIs(&header[DATA_ID_AT], "data");
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
