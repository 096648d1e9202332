// The markers, bext and iXML of any bytes: the reader stays inside the file and believes no size
// it cannot check, and a Child's metadata chunks, read back, are the Mother's moved to its start.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "wav/ChildMetadata.h"
#include "wav/WavMetadata.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

WavMetadata readOf(const Bytes& file)
{
    return readWavMetadata(file.size(), [&file](std::uint64_t offset, std::uint8_t* into, std::size_t bytes) {
        require(offset <= file.size(), "nothing is read from past the file's end");
        const std::size_t count = std::min<std::size_t>(bytes, file.size() - static_cast<std::size_t>(offset));
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), count, into);
        return count;
    });
}

void checkFound(const WavMetadata& found, const Bytes& file)
{
    require(found.markers.size() * 24 <= file.size(), "every marker stands in the file");
    for (const WavMarker& marker : found.markers) {
        require(marker.frame <= 0xFFFFFFFFu, "a marker's frame is a 32-bit offset");
        require(marker.label.size() < file.size(), "a label stands in the file");
        require(marker.label.find('\0') == std::string::npos, "a label ends at its zero");
    }
    require(!found.bext || found.bext->size() <= file.size(), "the bext stands in the file");
    require(!found.ixml || found.ixml->size() <= file.size(), "the iXML stands in the file");
}

// The Child's chunks behind a RIFF WAVE header, read back.
void checkChild(const WavMetadata& mother, std::uint64_t firstFrame, std::uint64_t frames)
{
    const Bytes chunks = childMetadataChunks(mother, firstFrame, frames);
    Bytes child = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    child.insert(child.end(), chunks.begin(), chunks.end());
    const WavMetadata read = readOf(child);

    std::vector<WavMarker> inside;
    for (const WavMarker& marker : mother.markers) {
        if (marker.frame >= firstFrame && marker.frame - firstFrame < frames) {
            inside.push_back({0, marker.frame - firstFrame, marker.label});
        }
    }
    std::stable_sort(inside.begin(), inside.end(),
                     [](const WavMarker& a, const WavMarker& b) { return a.frame < b.frame; });
    require(read.markers.size() == inside.size(), "every marker inside the Child is carried, no other");
    for (std::size_t i = 0; i < inside.size(); ++i) {
        require(read.markers[i].id == i + 1, "the Child's markers are numbered from 1");
        require(read.markers[i].frame == inside[i].frame, "a marker is counted from the Child's start");
        require(read.markers[i].label == inside[i].label, "a marker keeps its label");
    }
    const std::optional<std::uint64_t> motherTime = mother.bext ? bextTimeReference(*mother.bext) : std::nullopt;
    require(read.bext.has_value() == motherTime.has_value(), "a bext with a TimeReference is carried, no other");
    if (motherTime) {
        require(bextTimeReference(*read.bext) == *motherTime + firstFrame,
                "the TimeReference moves by the first frame");
        const auto timeAt = static_cast<std::ptrdiff_t>(BEXT_TIME_REFERENCE_AT);
        require(read.bext->size() == mother.bext->size() &&
                    std::equal(read.bext->begin(), read.bext->begin() + timeAt, mother.bext->begin()) &&
                    std::equal(read.bext->begin() + timeAt + 8, read.bext->end(), mother.bext->begin() + timeAt + 8),
                "the bext's other fields are the Mother's");
    }
    require(read.ixml == mother.ixml, "the iXML is carried unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes input(data, size);
    const std::uint64_t firstFrame = input.le32() | (static_cast<std::uint64_t>(input.le32()) << 32);
    const std::uint64_t frames = input.le32();
    const Bytes file = input.rest();
    const WavMetadata found = readOf(file);
    checkFound(found, file);
    checkChild(found, firstFrame, frames);
    return 0;
}
