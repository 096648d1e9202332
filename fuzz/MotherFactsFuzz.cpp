// Any bytes as a Mother file: what the first look finds, the header readers and the Mother load.
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
#include "wav/WavHeader.h"

namespace {

constexpr std::size_t HEADER_BYTES = 44;
constexpr std::uint64_t MARGIN = 68;

// Positions 41-44 read here, apart from the program's own reader.
std::uint64_t dataSizeField(const std::vector<std::uint8_t>& bytes)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint64_t{bytes[40 + i]} << (8 * i);
    }
    return value;
}

// The header holds the file's first bytes, and the positions no byte reached hold `untouched`.
bool headerHolds(const HeaderBytes& header, const std::vector<std::uint8_t>& bytes, std::uint8_t untouched)
{
    const std::size_t read = std::min(bytes.size(), HEADER_BYTES);
    return std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(read), header.begin()) &&
           std::all_of(header.begin() + static_cast<std::ptrdiff_t>(read), header.end(),
                       [untouched](std::uint8_t b) { return b == untouched; });
}

void checkFacts(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::optional<MotherFacts> facts = examineMother(path);
    require(facts.has_value(), "a readable file is examined");
    require(facts->fileBytes == bytes.size(), "the file length is the file's own");
    require(facts->headerBytesRead == std::min(bytes.size(), HEADER_BYTES), "the header read stops at 44 bytes or the end");
    require(headerHolds(facts->header, bytes, 0), "the header holds the file's first bytes, the rest untouched");
    require(tellFile(facts->stream) == facts->headerBytesRead, "the stream stands just past the header");
    const bool whole = bytes.size() >= HEADER_BYTES;
    switch (findMotherProblem(*facts)) {
    case MotherProblem::TooBig:
        require(false, "a file this small is never too big");
        break;
    case MotherProblem::TooShort:
        require(!whole, "only a file shorter than its header is too short");
        break;
    case MotherProblem::DataTooSmall:
        require(whole && dataSizeField(bytes) < MARGIN, "only a data size below the margin is too small");
        break;
    case MotherProblem::DataBeyondFile:
        require(whole && dataSizeField(bytes) > bytes.size(), "only a data size past the file's end is beyond it");
        break;
    case MotherProblem::None:
        require(whole && facts->dataSize == dataSizeField(bytes), "an accepted file has its data size from its header");
        require(facts->dataSize >= MARGIN && facts->dataSize <= bytes.size(), "an accepted data size fits the file");
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
    require(read.bytesRead == std::min(bytes.size(), HEADER_BYTES), "the header file read stops at 44 bytes or the end");
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
    require(fake.boxes.size() == 1, "a load shows exactly one box");
    if (state.motherChosen == 0) {
        require(state.motherStream == nullptr, "a refused Mother leaves no stream open");
        require(fake.boxes[0].caption != "duration minutes = ", "a refusal does not show a duration");
        return;
    }
    require(state.motherStream != nullptr, "a taken Mother stays open");
    require(fake.boxes[0].caption == "duration minutes = ", "a taken Mother shows its duration");
    require(state.motherFileBytes == bytes.size(), "the Mother's length is the file's own");
    require(headerHolds(state.motherHeader, bytes, 0), "the Mother header holds the file's first bytes");
    const std::uint64_t sampleBytes = state.motherDataBytes + MARGIN;
    require(state.motherReadOffset + sampleBytes <= bytes.size(), "the samples lie inside the file");
    // Read through the stream the load left open: the samples it finds are the file's own.
    std::vector<std::uint8_t> samples(static_cast<std::size_t>(sampleBytes));
    require(seekFile(state.motherStream, state.motherReadOffset), "the samples' start can be reached");
    require(std::fread(samples.data(), 1, samples.size(), state.motherStream) == samples.size(),
            "every sample byte can be read");
    require(std::equal(samples.begin(), samples.end(),
                       bytes.begin() + static_cast<std::ptrdiff_t>(state.motherReadOffset)),
            "the samples read are the file's bytes at the read offset");
    closeAllStreams(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const ScratchFolder folder;
    const std::string path = folder.write("mother.wav", bytes);
    checkFacts(path, bytes);
    checkHeaderFile(path, bytes);
    checkLoad(path, bytes);
    require(readWholeFile(path) == bytes, "looking at a Mother never changes it");
    return 0;
}
