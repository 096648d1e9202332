#include "wav/MotherFacts.h"

#include "core/FileIo.h"
#include "wav/WavHeader.h"

std::optional<MotherFacts> examineMother(const std::string& path)
{
    MotherFacts facts;
    facts.stream = std::fopen(path.c_str(), "rb");
    if (facts.stream == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> length = streamLength(facts.stream);
    if (!length) {
        std::fclose(facts.stream);
        return std::nullopt;
    }
    facts.fileBytes = *length;
    facts.headerBytesRead = readHeader(facts.stream, facts.header);
    facts.dataSize = headerDataSize(facts.header);
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
    if (facts.dataSize < MOTHER_DATA_MARGIN) {
        return MotherProblem::DataTooSmall;
    }
    if (facts.dataSize > facts.fileBytes) {
        return MotherProblem::DataBeyondFile;
    }
    return MotherProblem::None;
}
