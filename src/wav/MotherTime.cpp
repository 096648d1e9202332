#include "wav/MotherTime.h"

#include "wav/WavHeader.h"

MotherTime motherTimeOf(const std::optional<HeaderBytes>& motherOwnHeader)
{
    MotherTime time;
    if (!motherOwnHeader) {
        return time;
    }
    const std::uint32_t bytesPerSecond = readLe32(&(*motherOwnHeader)[BYTE_RATE_AT]);
    const std::uint16_t frameBytes = readLe16(&(*motherOwnHeader)[BLOCK_ALIGN_AT]);
    time.bytesPerSecond = bytesPerSecond == 0 ? BYTES_PER_SECOND : bytesPerSecond;
    time.frameBytes = frameBytes == 0 ? 1 : frameBytes;
    return time;
}

std::uint64_t wholeFramesIn(const MotherTime& time, std::uint64_t bytes) { return bytes - bytes % time.frameBytes; }
