// Any bytes as a Mother file: the chunk walk, what the first look finds, the header readers and
// the Mother load.
// Whatever the bytes, the facts must agree with the file, every refusal must have its reason, and
// a Mother that is taken must have all its samples inside the file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "app/MotherLoad.h"
#include "core/FileIo.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"
#include "wav/MotherFacts.h"
#include "wav/WavChunks.h"
#include "wav/WavHeader.h"

namespace {

constexpr std::size_t HEADER_BYTES = 44;
constexpr std::uint64_t MARGIN = 68;

std::uint32_t le32At(const std::vector<std::uint8_t>& bytes, std::uint64_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{bytes[static_cast<std::size_t>(at) + i]} << (8 * i);
    }
    return value;
}

bool idAt(const std::vector<std::uint8_t>& bytes, std::uint64_t at, const char* id)
{
    return at + 4 <= bytes.size() && std::equal(id, id + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// The header holds the file's first bytes, and the positions no byte reached hold `untouched`.
bool headerHolds(const HeaderBytes& header, const std::vector<std::uint8_t>& bytes, std::uint8_t untouched)
{
    const std::size_t read = std::min(bytes.size(), HEADER_BYTES);
    return std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(read), header.begin()) &&
           std::all_of(header.begin() + static_cast<std::ptrdiff_t>(read), header.end(),
                       [untouched](std::uint8_t b) { return b == untouched; });
}

// The chunk walk over the bytes in memory: it reads nothing outside the file, and every chunk it
// reports is one the file really holds at an even distance from "WAVE".
void checkWalk(const std::vector<std::uint8_t>& bytes)
{
    const WavLayout layout = walkWavChunks(bytes.size(), [&bytes](std::uint64_t at, std::uint8_t* into, std::size_t n) {
        require(at <= bytes.size(), "the walk reads nothing past the file's end");
        const std::size_t got = static_cast<std::size_t>(std::min<std::uint64_t>(n, bytes.size() - at));
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), got, into);
        return got;
    });
    require(layout.riffWave == (idAt(bytes, 0, "RIFF") && idAt(bytes, 8, "WAVE")),
            "RIFF WAVE is told by bytes 0 and 8");
    if (layout.fmt) {
        const std::uint64_t at = layout.fmt->bodyAt;
        require(at >= 20 && at % 2 == 0 && idAt(bytes, at - 8, "fmt "), "the fmt chunk is where its header stands");
        require(le32At(bytes, at - 4) == layout.fmt->size && layout.fmt->size >= 16, "the fmt size is its header's");
        require(at + 16 <= bytes.size(), "the fmt fields lie inside the file");
        require(layout.format.channels == (bytes[at + 2] | bytes[at + 3] << 8) &&
                    layout.format.sampleRate == le32At(bytes, at + 4),
                "the format is read from the fmt chunk");
    }
    if (layout.data) {
        const std::uint64_t at = layout.data->bodyAt;
        require(at >= 20 && at % 2 == 0 && idAt(bytes, at - 8, "data"), "the data chunk is where its header stands");
        require(le32At(bytes, at - 4) == layout.data->size, "the data size is its header's");
        require(layout.rf64 || layout.dataBytes == layout.data->size, "a RIFF file's data size is its field's");
        // The samples a split takes: the header's size, or an unfinished one's bytes to the end.
        const DataExtent extent = dataExtentOf(layout, bytes.size());
        require(extent.headerDataSize == layout.dataBytes, "the extent keeps the header's size");
        require(extent.unfinished || extent.usedDataSize == extent.headerDataSize,
                "a finished header's size is the size used");
        require(!extent.unfinished ||
                    (layout.dataLast && at + extent.usedDataSize <= bytes.size() &&
                     (layout.format.blockAlign == 0 || extent.usedDataSize % layout.format.blockAlign == 0)),
                "an unfinished header's samples are whole frames inside the file, behind a last data chunk");
    }
    require(!layout.rf64 || ((idAt(bytes, 0, "RF64") || idAt(bytes, 0, "BW64")) && idAt(bytes, 12, "ds64")),
            "RF64 is told by its identifier and a ds64 chunk first");
}

void checkFacts(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::optional<MotherFacts> facts = examineMother(path);
    require(facts.has_value(), "a readable file is examined");
    require(facts->fileBytes == bytes.size(), "the file length is the file's own");
    require(facts->headerBytesRead == std::min(bytes.size(), HEADER_BYTES),
            "the header read stops at 44 bytes or the end");
    require(headerHolds(facts->header, bytes, 0), "the header holds the file's first bytes, the rest untouched");
    const bool whole = bytes.size() >= HEADER_BYTES;
    const bool hasData = facts->layout.data.has_value();
    require(tellFile(facts->stream) == (hasData ? facts->dataAt : facts->headerBytesRead),
            "the stream stands at the first sample byte, or past the header without one");
    switch (findMotherProblem(*facts)) {
    case MotherProblem::TooBig: require(false, "a file this small is never too big"); break;
    case MotherProblem::TooShort: require(!whole, "only a file shorter than its header is too short"); break;
    case MotherProblem::NotRiffWave:
        require(!facts->layout.riffWave, "only a file without RIFF and WAVE is not one");
        break;
    case MotherProblem::NoData: require(!hasData, "only a file without a data chunk has none"); break;
    case MotherProblem::NoFormat: require(!facts->layout.fmt, "only a file without a fmt chunk has none"); break;
    case MotherProblem::DataTooSmall:
        require(facts->dataSize < MARGIN, "only a data size below the margin is too small");
        break;
    case MotherProblem::DataBeyondFile:
        require(facts->dataAt + facts->dataSize > bytes.size(), "only a data chunk past the file's end is beyond it");
        break;
    case MotherProblem::None:
        require(whole && facts->layout.riffWave && hasData && facts->layout.fmt,
                "an accepted file is a whole RIFF WAVE");
        require(facts->dataAt == facts->layout.data->bodyAt && facts->dataSize == facts->layout.data->size,
                "an accepted file has its samples from its data chunk");
        require(facts->dataSize >= MARGIN && facts->dataAt + facts->dataSize <= bytes.size(),
                "an accepted data chunk fits the file");
        break;
    }
    std::fclose(facts->stream);
}

void checkHeaderFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    HeaderBytes header{};
    header.fill(0xA5);
    const HeaderRead read = readHeaderFile(path, header);
    require(read.opened, "a readable file opens");
    require(read.bytesRead == std::min(bytes.size(), HEADER_BYTES),
            "the header file read stops at 44 bytes or the end");
    require(headerHolds(header, bytes, 0xA5), "a short header read leaves the positions it did not reach");
}

// The Mother load on these bytes: taken with its samples inside the file, or refused with one box
// and nothing left open.
void checkLoad(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    state.motherPath = path;
    state.motherChosen = 1;
    loadMother(ctx);
    if (state.motherChosen == 0) {
        require(fake.boxes.size() == 1, "a refusal shows exactly one box");
        require(state.motherStream == nullptr, "a refused Mother leaves no stream open");
        require(fake.boxes[0].caption != "duration minutes = ", "a refusal does not show a duration");
        return;
    }
    require(state.motherStream != nullptr, "a taken Mother stays open");
    require(fake.boxes.back().caption == "duration minutes = ", "a taken Mother shows its duration last");
    // Before it only the box of an unfinished header, then that of a format the cut times do not assume.
    std::size_t box = 0;
    if (box + 1 < fake.boxes.size() &&
        fake.boxes[box].caption == " MOTHER header is unfinished: its data size is not the file's ") {
        ++box;
    }
    if (box + 1 < fake.boxes.size() &&
        fake.boxes[box].caption == " MOTHER Wavfile is not 16-bit stereo 44100 Hz PCM ") {
        ++box;
    }
    require(box + 1 == fake.boxes.size(), "before the duration only the unfinished header's and the format's boxes");
    require(state.motherFileBytes == bytes.size(), "the Mother's length is the file's own");
    require(headerHolds(state.motherHeader, bytes, 0), "the Mother header holds the file's first bytes");
    const std::uint64_t sampleBytes = state.motherDataBytes + MARGIN;
    require(state.motherReadOffset + sampleBytes <= bytes.size(), "the samples lie inside the file");
    // Read through the stream the load left open: the samples it finds are the file's own.
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(sampleBytes));
    require(seekFile(state.motherStream, state.motherReadOffset), "the samples' start can be reached");
    require(std::fread(samples.data(), 1, samples.size(), state.motherStream) == samples.size(),
            "every sample byte can be read");
    require(
        std::equal(samples.begin(), samples.end(), bytes.begin() + static_cast<std::ptrdiff_t>(state.motherReadOffset)),
        "the samples read are the file's bytes at the read offset");
    closeAllStreams(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const ScratchFolder folder;
    const std::string path = folder.write("mother.wav", bytes);
    checkWalk(bytes);
    checkFacts(path, bytes);
    checkHeaderFile(path, bytes);
    checkLoad(path, bytes);
    require(readWholeFile(path) == bytes, "looking at a Mother never changes it");
    return 0;
}
