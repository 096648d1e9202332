#include "wav/ChildMetadata.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "wav/WavHeader.h"

namespace {

constexpr std::size_t TIME_REFERENCE_BYTES = 8;
constexpr std::uint64_t LARGEST_CHUNK_BODY = 0xFFFFFFFFu;
constexpr std::uint64_t LARGEST_CUE_OFFSET = 0xFFFFFFFFu;

// Identifier, size, body, and one pad byte after an odd size, which the size does not count.
ChunkBody chunk(const char (&id)[5], const ChunkBody& body)
{
    if (body.size() > LARGEST_CHUNK_BODY) {
        return {};
    }
    ChunkBody out;
    out.reserve(8 + body.size() + 1);
    appendId(out, id);
    appendLe32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        out.push_back(0);
    }
    return out;
}

struct ChildMarker {
    std::uint32_t offset = 0;
    const std::string* label = nullptr;
};

ChunkBody cueBody(const std::vector<ChildMarker>& inside)
{
    ChunkBody body;
    appendLe32(body, static_cast<std::uint32_t>(inside.size()));
    std::uint32_t id = 0;
    for (const ChildMarker& marker : inside) {
        appendLe32(body, ++id);
        appendLe32(body, marker.offset);  // position: the frame in the Child's play order
        appendId(body, "data");           // the chunk the point lies in
        appendLe32(body, 0);              // chunk start: no wave list, so 0
        appendLe32(body, 0);              // block start: uncompressed samples, so 0
        appendLe32(body, marker.offset);  // sample offset within the data chunk, in frames
    }
    return body;
}

ChunkBody labelListBody(const std::vector<ChildMarker>& inside)
{
    ChunkBody body;
    appendId(body, "adtl");
    std::uint32_t id = 0;
    for (const ChildMarker& marker : inside) {
        ++id;
        if (marker.label->empty()) {
            continue;
        }
        ChunkBody label;
        appendLe32(label, id);
        label.insert(label.end(), marker.label->begin(), marker.label->end());
        label.push_back(0);  // the text's terminating zero
        const ChunkBody labl = chunk("labl", label);
        body.insert(body.end(), labl.begin(), labl.end());
    }
    return body;
}

}  // namespace

std::optional<std::uint64_t> bextTimeReference(const ChunkBody& bext)
{
    if (bext.size() < BEXT_TIME_REFERENCE_AT + TIME_REFERENCE_BYTES) {
        return std::nullopt;
    }
    const std::uint8_t* field = bext.data() + BEXT_TIME_REFERENCE_AT;
    // The low 32 bits come first, then the high 32 bits.
    return static_cast<std::uint64_t>(readLe32(field)) | (static_cast<std::uint64_t>(readLe32(field + 4)) << 32);
}

ChunkBody childBextChunk(const ChunkBody& motherBext, std::uint64_t firstFrame)
{
    const std::optional<std::uint64_t> motherTime = bextTimeReference(motherBext);
    if (!motherTime) {
        return {};
    }
    const std::uint64_t childTime = *motherTime + firstFrame;
    ChunkBody body = motherBext;
    writeLe32(static_cast<std::uint32_t>(childTime & 0xFFFFFFFFu), &body[BEXT_TIME_REFERENCE_AT]);
    writeLe32(static_cast<std::uint32_t>(childTime >> 32), &body[BEXT_TIME_REFERENCE_AT + 4]);
    return chunk("bext", body);
}

ChunkBody childIxmlChunk(const ChunkBody& motherIxml) { return chunk("iXML", motherIxml); }

ChunkBody childBextChunkAt(const ChunkBody& motherBext, const BextTime& at)
{
    constexpr std::size_t DATE_AT = 320;  // 10 bytes, then the time's 8
    ChunkBody body = motherBext;
    if (body.size() < BEXT_TIME_REFERENCE_AT + TIME_REFERENCE_BYTES || at.date.size() != 10 || at.time.size() != 8) {
        return {};
    }
    std::copy(at.date.begin(), at.date.end(), body.begin() + DATE_AT);
    std::copy(at.time.begin(), at.time.end(), body.begin() + DATE_AT + 10);
    writeLe32(static_cast<std::uint32_t>(at.timeReference & 0xFFFFFFFFu), &body[BEXT_TIME_REFERENCE_AT]);
    writeLe32(static_cast<std::uint32_t>(at.timeReference >> 32), &body[BEXT_TIME_REFERENCE_AT + 4]);
    return chunk("bext", body);
}

ChunkBody ixmlAt(const ChunkBody& motherIxml, const BextTime& at)
{
    std::string text(motherIxml.begin(), motherIxml.end());
    const std::string low = std::to_string(at.timeReference & 0xFFFFFFFFu);
    const std::string high = std::to_string(at.timeReference >> 32);
    const std::pair<const char*, const std::string*> fields[] = {{"BWF_ORIGINATION_DATE", &at.date},
                                                                 {"BWF_ORIGINATION_TIME", &at.time},
                                                                 {"BWF_TIME_REFERENCE_LOW", &low},
                                                                 {"BWF_TIME_REFERENCE_HIGH", &high},
                                                                 {"TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO", &low},
                                                                 {"TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_HI", &high}};
    for (const auto& [tag, value] : fields) {
        const std::string open = std::string("<") + tag + ">";
        const std::string close = std::string("</") + tag + ">";
        for (std::size_t from = text.find(open); from != std::string::npos; from = text.find(open, from + 1)) {
            const std::size_t begin = from + open.size();
            const std::size_t end = text.find(close, begin);
            if (end == std::string::npos) {
                break;
            }
            text.replace(begin, end - begin, *value);
        }
    }
    return ChunkBody(text.begin(), text.end());
}

ChunkBody childMarkerChunks(const std::vector<WavMarker>& markers, std::uint64_t firstFrame, std::uint64_t frames)
{
    std::vector<ChildMarker> inside;
    for (const WavMarker& marker : markers) {
        const std::uint64_t offset = marker.frame - firstFrame;
        if (marker.frame >= firstFrame && offset < frames && offset <= LARGEST_CUE_OFFSET) {
            inside.push_back({static_cast<std::uint32_t>(offset), &marker.label});
        }
    }
    if (inside.empty()) {
        return {};
    }
    std::stable_sort(inside.begin(), inside.end(),
                     [](const ChildMarker& a, const ChildMarker& b) { return a.offset < b.offset; });
    ChunkBody out = chunk("cue ", cueBody(inside));
    const bool labelled =
        std::any_of(inside.begin(), inside.end(), [](const ChildMarker& marker) { return !marker.label->empty(); });
    if (labelled) {
        const ChunkBody list = chunk("LIST", labelListBody(inside));
        out.insert(out.end(), list.begin(), list.end());
    }
    return out;
}

ChunkBody childMetadataChunks(const WavMetadata& mother, std::uint64_t firstFrame, std::uint64_t frames,
                              const std::optional<BextTime>& at)
{
    ChunkBody out;
    const ChunkBody bext = !mother.bext ? ChunkBody{}
                           : at         ? childBextChunkAt(*mother.bext, *at)
                                        : childBextChunk(*mother.bext, firstFrame);
    const ChunkBody ixml = !mother.ixml ? ChunkBody{} : childIxmlChunk(at ? ixmlAt(*mother.ixml, *at) : *mother.ixml);
    for (const ChunkBody& part : {bext, ixml, childMarkerChunks(mother.markers, firstFrame, frames)}) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

std::vector<std::uint8_t> withChunksBeforeData(std::vector<std::uint8_t> header, const ChunkBody& chunks)
{
    constexpr std::size_t DS64_RIFF_SIZE_AT = 20;  // "RF64", its size, "WAVE", "ds64", its size
    const std::size_t dataAt = header.size() - 8;
    if (chunks.empty() || header.size() < DS64_RIFF_SIZE_AT + 8 ||
        std::string_view(reinterpret_cast<const char*>(header.data() + dataAt), 4) != "data") {
        return header;
    }
    const std::string_view form(reinterpret_cast<const char*>(header.data()), 4);
    if (form == "RIFF") {
        const std::uint64_t riffBytes = std::uint64_t{readLe32(&header[4])} + chunks.size();
        if (riffBytes > LARGEST_CHUNK_BODY) {
            return header;
        }
        writeLe32(static_cast<std::uint32_t>(riffBytes), &header[4]);
    } else if (form == "RF64") {
        std::uint8_t* field = &header[DS64_RIFF_SIZE_AT];
        const std::uint64_t riffBytes =
            (std::uint64_t{readLe32(field)} | (std::uint64_t{readLe32(field + 4)} << 32)) + chunks.size();
        writeLe32(static_cast<std::uint32_t>(riffBytes & 0xFFFFFFFFu), field);
        writeLe32(static_cast<std::uint32_t>(riffBytes >> 32), field + 4);
    } else {
        return header;
    }
    header.insert(header.begin() + static_cast<std::ptrdiff_t>(dataAt), chunks.begin(), chunks.end());
    return header;
}
