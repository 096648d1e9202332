#include "wav/MotherFacts.h"

#include <cerrno>

#include "core/FileIo.h"
#include "wav/WavHeader.h"

std::optional<MotherFacts> examineMother(const std::string& path)
{
    int ignored = 0;
    return examineMother(path, ignored);
}

std::optional<MotherFacts> examineMother(const std::string& path, int& openError)
{
    MotherFacts facts;
    errno = 0;
    facts.stream = openFileForReading(path);
    openError = errno;
    if (facts.stream == nullptr) {
        return std::nullopt;
    }
    openError = 0;
    const std::optional<std::uint64_t> length = streamLength(facts.stream);
    if (!length) {
        std::fclose(facts.stream);
        return std::nullopt;
    }
    facts.fileBytes = *length;
    facts.headerBytesRead = readHeader(facts.stream, facts.header);
    facts.layout = readWavLayout(facts.stream, facts.fileBytes);
    if (facts.layout.data) {
        facts.dataAt = facts.layout.data->bodyAt;
        facts.dataSize = facts.layout.data->size;
    }
    facts.extent = dataExtentOf(facts.layout, facts.fileBytes);
    // Readers that draw the samples start from the stream's position.
    seekFile(facts.stream, facts.layout.data ? facts.dataAt : facts.headerBytesRead);
    return facts;
}

MotherProblem findMotherProblem(const MotherFacts& facts)
{
    if (facts.fileBytes > LARGEST_MOTHER_BYTES) {
        return MotherProblem::TooBig;
    }
    if (facts.headerBytesRead < WAV_HEADER_BYTES) {
        return MotherProblem::TooShort;
    }
    if (!facts.layout.riffWave) {
        return MotherProblem::NotRiffWave;
    }
    if (!facts.layout.data) {
        return MotherProblem::NoData;
    }
    if (!facts.layout.fmt) {
        return MotherProblem::NoFormat;
    }
    if (facts.dataSize < MOTHER_DATA_MARGIN) {
        return MotherProblem::DataTooSmall;
    }
    if (facts.dataAt + facts.dataSize > facts.fileBytes) {
        return MotherProblem::DataBeyondFile;
    }
    return MotherProblem::None;
}

MotherProblem findSplitProblem(const MotherFacts& facts)
{
    if (facts.headerBytesRead < WAV_HEADER_BYTES) {
        return MotherProblem::TooShort;
    }
    if (!facts.layout.riffWave && !facts.layout.rf64) {
        return MotherProblem::NotRiffWave;
    }
    if (!facts.layout.data) {
        return MotherProblem::NoData;
    }
    if (!facts.layout.fmt) {
        return MotherProblem::NoFormat;
    }
    return MotherProblem::None;
}

void takeUnfinishedHeader(MotherFacts& facts)
{
    if (facts.extent.unfinished && facts.extent.usedDataSize <= LARGEST_MOTHER_BYTES) {
        facts.dataSize = static_cast<std::uint32_t>(facts.extent.usedDataSize);
    }
}
