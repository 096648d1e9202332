#include "display/WaveSamples.h"

#include <array>
#include <cstdint>

#include "wav/WavHeader.h"

std::optional<int> readDrawableSample(std::FILE* stream)
{
    std::array<std::uint8_t, 2> bytes{};
    if (std::fread(bytes.data(), 1, bytes.size(), stream) != bytes.size()) {
        return std::nullopt;
    }
    const int value = readLe16Signed(bytes[0], bytes[1]);
    if (value == -32768) {
        return std::nullopt;
    }
    return value;
}
