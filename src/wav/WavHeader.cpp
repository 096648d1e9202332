#include "wav/WavHeader.h"

#include <algorithm>

namespace {

constexpr std::uint32_t PCM_FORMAT = 1;
constexpr std::uint32_t FMT_CHUNK_BYTES = 16;
constexpr std::uint32_t CHANNELS = 2;
constexpr std::uint32_t FRAMES_PER_SECOND = 44100;
constexpr std::uint32_t BITS_PER_SAMPLE = 16;

void writeId(const char (&id)[5], std::uint8_t* destination)
{
    for (std::size_t i = 0; i < 4; ++i) {
        destination[i] = static_cast<std::uint8_t>(id[i]);
    }
}

}  // namespace

std::uint32_t readLe32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::uint16_t readLe16(const std::uint8_t* bytes) { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }

std::uint64_t readLe64(const std::uint8_t* bytes)
{
    return static_cast<std::uint64_t>(readLe32(bytes)) | (static_cast<std::uint64_t>(readLe32(bytes + 4)) << 32);
}

// Byte by byte: GCC 12's optimiser takes a four-byte range insert into a vector that grows for
// an overflow and warns, which the release builds treat as an error.
void appendId(std::vector<std::uint8_t>& into, const char (&id)[5])
{
    for (int i = 0; i < 4; ++i) {
        into.push_back(static_cast<std::uint8_t>(id[i]));
    }
}

void appendLe32(std::vector<std::uint8_t>& into, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        into.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void appendLe64(std::vector<std::uint8_t>& into, std::uint64_t value)
{
    appendLe32(into, static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
    appendLe32(into, static_cast<std::uint32_t>(value >> 32));
}

void writeLe16(std::uint32_t value, std::uint8_t* destination)
{
    destination[0] = static_cast<std::uint8_t>(value & 0xFFu);
    destination[1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

void writeLe32(std::uint32_t value, std::uint8_t* destination)
{
    writeLe16(value, destination);
    writeLe16(value >> 16, destination + 2);
}

std::int16_t readLe16Signed(std::uint8_t low, std::uint8_t high)
{
    const std::int32_t unsignedValue = low + 256 * high;
    const std::int32_t value = high >= 128 ? unsignedValue - 65536 : unsignedValue;
    return static_cast<std::int16_t>(value);
}

std::uint32_t headerDataSize(const HeaderBytes& header) { return readLe32(&header[DATA_SIZE_AT]); }

void fillDefaultHeader(HeaderBytes& header)
{
    writeId("RIFF", &header[RIFF_ID_AT]);
    writeId("WAVE", &header[WAVE_FMT_ID_AT]);
    writeId("fmt ", &header[WAVE_FMT_ID_AT + 4]);
    writeLe32(FMT_CHUNK_BYTES, &header[FMT_SIZE_AT]);
    writeLe16(PCM_FORMAT, &header[FORMAT_TAG_AT]);
    writeLe16(CHANNELS, &header[CHANNELS_AT]);
    writeLe32(FRAMES_PER_SECOND, &header[SAMPLE_RATE_AT]);
    writeLe32(FRAMES_PER_SECOND * BYTES_PER_FRAME, &header[BYTE_RATE_AT]);
    writeLe16(BYTES_PER_FRAME, &header[BLOCK_ALIGN_AT]);
    writeLe16(BITS_PER_SAMPLE, &header[BITS_PER_SAMPLE_AT]);
    writeId("data", &header[DATA_ID_AT]);
}

void fillDefaultHeader(AppState& state) { fillDefaultHeader(state.headerBuf); }

void writeHeaderSizes(HeaderBytes& header, std::uint32_t dataBytes)
{
    writeLe32(dataBytes + RIFF_SIZE_OVER_DATA, &header[RIFF_SIZE_AT]);
    writeLe32(dataBytes, &header[DATA_SIZE_AT]);
}

std::size_t readHeader(std::FILE* stream, HeaderBytes& header)
{
    // Read into a scratch copy: a short read must not disturb the positions it did not reach.
    HeaderBytes read{};
    const std::size_t count = std::fread(read.data(), 1, read.size(), stream);
    std::copy_n(read.begin(), count, header.begin());
    return count;
}

HeaderRead readHeaderFile(const std::string& path, HeaderBytes& header)
{
    HeaderRead result;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr) {
        return result;
    }
    result.opened = true;
    result.bytesRead = readHeader(stream, header);
    std::fclose(stream);
    return result;
}
