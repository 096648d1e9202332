#include "wav/WavStream.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "wav/WavHeader.h"

namespace {

constexpr std::size_t SKIP_BYTES = 64 * 1024;

bool readsAsMetadata(const std::uint8_t* id, std::uint32_t walked)
{
    return chunkIdIs(id, "fmt ") || chunkIdIs(id, "bext") || chunkIdIs(id, "iXML") || chunkIdIs(id, "cue ") ||
           chunkIdIs(id, "LIST") || (walked == 0 && chunkIdIs(id, "ds64"));
}

// The stream as far as it is read, counting its bytes.
class HeadReader {
public:
    explicit HeadReader(const StreamBytes& read, StreamHead& head) : read_(read), head_(head) {}

    bool take(std::uint8_t* into, std::size_t bytes)
    {
        const std::size_t got = read_(into, bytes);
        head_.bytesRead += got;
        return got == bytes;
    }

    bool skip(std::uint64_t bytes)
    {
        std::vector<std::uint8_t> away(static_cast<std::size_t>(std::min<std::uint64_t>(bytes, SKIP_BYTES)));
        while (bytes > 0) {
            const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, away.size()));
            if (!take(away.data(), step)) {
                return false;
            }
            bytes -= step;
        }
        return true;
    }

private:
    const StreamBytes& read_;
    StreamHead& head_;
};

// The kept bytes stand for the file up to its data chunk's header: the chunks read past are left
// out, which neither walk misses, since both pass over chunks they do not know.
ByteReader readerOf(const std::vector<std::uint8_t>& kept)
{
    return [&kept](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        if (offset >= kept.size()) {
            return std::size_t{0};
        }
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, kept.size() - offset));
        std::copy_n(kept.begin() + static_cast<std::ptrdiff_t>(offset), count, into);
        return count;
    };
}

// The chunks up to the data chunk's header, as kept; false when the stream ended before it.
bool walkToData(HeadReader& reader, std::vector<std::uint8_t>& kept)
{
    for (std::uint32_t walked = 0; walked < MOST_CHUNKS_WALKED; ++walked) {
        std::array<std::uint8_t, CHUNK_HEADER_BYTES> header{};
        if (!reader.take(header.data(), header.size())) {
            return false;
        }
        if (chunkIdIs(&header[0], "data")) {
            kept.insert(kept.end(), header.begin(), header.end());
            return true;
        }
        const std::uint32_t size = readLe32(&header[4]);
        // An odd-sized chunk is followed by one pad byte that its size does not count.
        const std::uint64_t padded = std::uint64_t{size} + (size & 1u);
        if (readsAsMetadata(&header[0], walked) && size <= LARGEST_METADATA_CHUNK &&
            kept.size() + CHUNK_HEADER_BYTES + padded <= MOST_HEAD_BYTES_KEPT) {
            kept.insert(kept.end(), header.begin(), header.end());
            const std::size_t bodyAt = kept.size();
            kept.resize(bodyAt + static_cast<std::size_t>(padded));
            if (!reader.take(kept.data() + bodyAt, static_cast<std::size_t>(padded))) {
                return false;
            }
        } else if (!reader.skip(padded)) {
            return false;
        }
    }
    return false;
}

}  // namespace

StreamHead readStreamHead(const StreamBytes& read)
{
    StreamHead head;
    HeadReader reader(read, head);
    std::vector<std::uint8_t> kept(FIRST_CHUNK_AT);
    const bool wave = reader.take(kept.data(), kept.size()) && chunkIdIs(&kept[8], "WAVE") &&
                      (chunkIdIs(&kept[0], "RIFF") || chunkIdIs(&kept[0], "RF64") || chunkIdIs(&kept[0], "BW64"));
    // Without a data chunk the walk of the kept chunks finds none either: the stream is refused
    // as a file without one is.
    if (wave) {
        walkToData(reader, kept);
    } else {
        // Bytes that are no WAVE are counted up to the 44 of a header, as a file's first look
        // counts them: a stream is then refused as not a RIFF WAVE file, or as too short, exactly
        // as a file of the same bytes.
        std::array<std::uint8_t, WAV_HEADER_BYTES - FIRST_CHUNK_AT> rest{};
        reader.take(rest.data(), rest.size());
    }
    head.headerBytesRead = static_cast<std::size_t>(std::min<std::uint64_t>(head.bytesRead, WAV_HEADER_BYTES));
    head.layout = walkWavChunks(kept.size(), readerOf(kept));
    head.metadata = readWavMetadata(kept.size(), readerOf(kept));
    const std::uint64_t size = head.layout.dataBytes;
    if (head.layout.data && size != 0 && size != SIZE_IN_DS64 && size != std::numeric_limits<std::uint64_t>::max()) {
        head.sampleBytes = head.layout.dataBytes;
    }
    return head;
}
