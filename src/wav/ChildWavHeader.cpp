#include "wav/ChildWavHeader.h"

#include <algorithm>

#include "wav/WavHeader.h"

namespace {

constexpr std::uint64_t PLAIN_FIXED_BYTES = 12 + 8 + 8;  // "RIFF" size "WAVE", fmt and data headers
constexpr std::uint32_t DS64_BODY_BYTES = 28;            // RIFF, data and frame sizes, table length
constexpr std::uint64_t DS64_CHUNK_BYTES = 8 + DS64_BODY_BYTES;
constexpr std::uint64_t FOUR_GIB = 0x100000000ull;
constexpr std::uint32_t SIZE_IN_DS64 = 0xFFFFFFFFu;

// Byte by byte: GCC 12's optimiser takes a four-byte range insert into a vector that grows for
// an overflow and warns, which the release builds treat as an error.
void put(std::vector<std::uint8_t>& into, const char (&id)[5])
{
    for (int i = 0; i < 4; ++i) {
        into.push_back(static_cast<std::uint8_t>(id[i]));
    }
}

void put32(std::vector<std::uint8_t>& into, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        into.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void put64(std::vector<std::uint8_t>& into, std::uint64_t value)
{
    put32(into, static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
    put32(into, static_cast<std::uint32_t>(value >> 32));
}

}  // namespace

std::vector<std::uint8_t> carriedFmtBody(const WavLayout& mother)
{
    const std::size_t bytes = mother.fmtBody.size() & ~std::size_t{1};
    return {mother.fmtBody.begin(), mother.fmtBody.begin() + static_cast<std::ptrdiff_t>(bytes)};
}

bool needsRf64(std::size_t fmtBodyBytes, std::uint64_t dataBytes)
{
    return PLAIN_FIXED_BYTES + fmtBodyBytes + dataBytes >= FOUR_GIB;
}

std::uint64_t childWavHeaderBytes(std::size_t fmtBodyBytes, std::uint64_t dataBytes)
{
    return PLAIN_FIXED_BYTES + fmtBodyBytes + (needsRf64(fmtBodyBytes, dataBytes) ? DS64_CHUNK_BYTES : 0);
}

std::vector<std::uint8_t> childWavHeader(const std::vector<std::uint8_t>& fmtBody, std::uint16_t blockAlign,
                                         std::uint64_t dataBytes)
{
    const std::uint64_t headerBytes = childWavHeaderBytes(fmtBody.size(), dataBytes);
    const std::uint64_t riffBytes = headerBytes - 8 + dataBytes;
    const bool rf64 = needsRf64(fmtBody.size(), dataBytes);
    std::vector<std::uint8_t> header;
    header.reserve(static_cast<std::size_t>(headerBytes));
    put(header, rf64 ? "RF64" : "RIFF");
    put32(header, rf64 ? SIZE_IN_DS64 : static_cast<std::uint32_t>(riffBytes));
    put(header, "WAVE");
    if (rf64) {
        put(header, "ds64");
        put32(header, DS64_BODY_BYTES);
        put64(header, riffBytes);
        put64(header, dataBytes);
        put64(header, blockAlign == 0 ? 0 : dataBytes / blockAlign);
        put32(header, 0);
    }
    put(header, "fmt ");
    put32(header, static_cast<std::uint32_t>(fmtBody.size()));
    header.insert(header.end(), fmtBody.begin(), fmtBody.end());
    put(header, "data");
    put32(header, rf64 ? SIZE_IN_DS64 : static_cast<std::uint32_t>(dataBytes));
    return header;
}
