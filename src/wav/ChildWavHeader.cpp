#include "wav/ChildWavHeader.h"

#include <algorithm>

#include "wav/WavHeader.h"

namespace {

constexpr std::uint64_t PLAIN_FIXED_BYTES = 12 + 8 + 8;  // "RIFF" size "WAVE", fmt and data headers
constexpr std::uint32_t DS64_BODY_BYTES = 28;            // RIFF, data and frame sizes, table length
constexpr std::uint64_t DS64_CHUNK_BYTES = 8 + DS64_BODY_BYTES;
constexpr std::uint64_t FOUR_GIB = 0x100000000ull;

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
    appendId(header, rf64 ? "RF64" : "RIFF");
    appendLe32(header, rf64 ? SIZE_IN_DS64 : static_cast<std::uint32_t>(riffBytes));
    appendId(header, "WAVE");
    if (rf64) {
        appendId(header, "ds64");
        appendLe32(header, DS64_BODY_BYTES);
        appendLe64(header, riffBytes);
        appendLe64(header, dataBytes);
        appendLe64(header, blockAlign == 0 ? 0 : dataBytes / blockAlign);
        appendLe32(header, 0);
    }
    appendId(header, "fmt ");
    appendLe32(header, static_cast<std::uint32_t>(fmtBody.size()));
    header.insert(header.end(), fmtBody.begin(), fmtBody.end());
    appendId(header, "data");
    appendLe32(header, rf64 ? SIZE_IN_DS64 : static_cast<std::uint32_t>(dataBytes));
    return header;
}
