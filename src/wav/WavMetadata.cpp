#include "wav/WavMetadata.h"

#include <algorithm>
#include <array>
#include <map>

#include "wav/WavHeader.h"

namespace {

constexpr std::size_t CUE_POINT_BYTES = 24;   // id, position, chunk id, chunk start, block start, sample offset
constexpr std::size_t SAMPLE_OFFSET_AT = 20;  // within one cue point
constexpr std::size_t LABEL_TEXT_AT = 4;      // within a labl body: the cue point id, then the text

// The whole body, or none when it is too large or the file ends inside it.
std::optional<ChunkBody> readBody(const ByteReader& readAt, std::uint64_t bodyAt, std::uint64_t size)
{
    if (size > LARGEST_METADATA_CHUNK) {
        return std::nullopt;
    }
    ChunkBody body(static_cast<std::size_t>(size));
    if (readAt(bodyAt, body.data(), body.size()) != body.size()) {
        return std::nullopt;
    }
    return body;
}

std::vector<WavMarker> cuePoints(const ChunkBody& body)
{
    std::vector<WavMarker> markers;
    if (body.size() < 4) {
        return markers;
    }
    // The count is believed only as far as the body holds whole points.
    const std::size_t count = std::min<std::size_t>(readLe32(body.data()), (body.size() - 4) / CUE_POINT_BYTES);
    markers.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* point = body.data() + 4 + i * CUE_POINT_BYTES;
        markers.push_back({readLe32(point), readLe32(point + SAMPLE_OFFSET_AT), {}});
    }
    return markers;
}

// The labl texts of an adtl list, by cue point id; the first label of an id counts.
void readLabels(const ChunkBody& list, std::map<std::uint32_t, std::string>& labels)
{
    std::size_t at = 4;  // after "adtl"
    while (at + CHUNK_HEADER_BYTES <= list.size()) {
        const std::uint32_t size = readLe32(list.data() + at + 4);
        const std::size_t bodyAt = at + CHUNK_HEADER_BYTES;
        if (size > list.size() - bodyAt) {
            break;
        }
        if (chunkIdIs(list.data() + at, "labl") && size >= LABEL_TEXT_AT) {
            const std::uint8_t* text = list.data() + bodyAt + LABEL_TEXT_AT;
            const std::uint8_t* end = list.data() + bodyAt + size;
            // The text ends at its terminating zero, or at the body's end when a writer left it out.
            labels.emplace(readLe32(list.data() + bodyAt), std::string(text, std::find(text, end, 0)));
        }
        at = bodyAt + size + (size & 1u);
    }
}

}  // namespace

WavMetadata readWavMetadata(std::uint64_t fileBytes, const ByteReader& readAt)
{
    WavMetadata found;
    std::array<std::uint8_t, FIRST_CHUNK_AT> riff{};
    if (fileBytes < FIRST_CHUNK_AT || readAt(0, riff.data(), riff.size()) != riff.size() ||
        !(chunkIdIs(&riff[0], "RIFF") || chunkIdIs(&riff[0], "RF64") || chunkIdIs(&riff[0], "BW64")) ||
        !chunkIdIs(&riff[8], "WAVE")) {
        return found;
    }
    const bool sizesInDs64 = !chunkIdIs(&riff[0], "RIFF");
    // The walk passes over the ds64 chunk as over any other: its data size is read beforehand.
    const std::uint64_t dataSizeInDs64 =
        sizesInDs64 ? readDs64DataSize(readAt, fileBytes).value_or(SIZE_IN_DS64) : SIZE_IN_DS64;
    std::map<std::uint32_t, std::string> labels;
    bool cueRead = false;
    std::uint64_t at = FIRST_CHUNK_AT;
    for (std::uint32_t walked = 0; walked < MOST_CHUNKS_WALKED && at + CHUNK_HEADER_BYTES <= fileBytes; ++walked) {
        std::array<std::uint8_t, CHUNK_HEADER_BYTES> header{};
        if (readAt(at, header.data(), header.size()) != header.size()) {
            break;
        }
        const std::uint64_t bodyAt = at + CHUNK_HEADER_BYTES;
        std::uint64_t size = readLe32(&header[4]);
        if (sizesInDs64 && chunkIdIs(&header[0], "data") && size == SIZE_IN_DS64) {
            size = dataSizeInDs64;
        }
        if (size > fileBytes - bodyAt) {
            break;  // the chunk runs past the file's end: nothing after it can be found
        }
        const auto body = [&] { return readBody(readAt, bodyAt, size); };
        if (!cueRead && chunkIdIs(&header[0], "cue ")) {
            if (const std::optional<ChunkBody> cue = body()) {
                found.markers = cuePoints(*cue);
                cueRead = true;
            }
        } else if (chunkIdIs(&header[0], "LIST")) {
            const std::optional<ChunkBody> list = body();
            if (list && list->size() >= 4 && chunkIdIs(list->data(), "adtl")) {
                readLabels(*list, labels);
            }
        } else if (!found.bext && chunkIdIs(&header[0], "bext")) {
            found.bext = body();
        } else if (!found.ixml && chunkIdIs(&header[0], "iXML")) {
            found.ixml = body();
        }
        at = bodyAt + size + (size & 1u);
    }
    for (WavMarker& marker : found.markers) {
        const auto label = labels.find(marker.id);
        if (label != labels.end()) {
            marker.label = label->second;
        }
    }
    return found;
}
