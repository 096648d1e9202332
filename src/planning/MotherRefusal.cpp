#include "planning/MotherRefusal.h"

#include <cerrno>

#include "ui/Messages.h"
#include "ui/Texts.h"

std::optional<MotherRefusal> motherRefusalOf(const MotherFacts& facts)
{
    return motherRefusalFor(findMotherProblem(facts), facts);
}

std::optional<MotherRefusal> motherRefusalFor(MotherProblem problem, const MotherFacts& facts)
{
    switch (problem) {
    case MotherProblem::TooBig:
        return MotherRefusal{text::MOTHER_TOO_BIG, numberLine(text::FILE_BYTES_LABEL, facts.fileBytes)};
    case MotherProblem::TooShort:
        return MotherRefusal{text::MOTHER_TOO_SHORT, numberLine(text::BYTES_READ_LABEL, facts.headerBytesRead)};
    case MotherProblem::NotRiffWave: return MotherRefusal{text::MOTHER_NOT_RIFF_WAVE, {}};
    case MotherProblem::NoData:
        return MotherRefusal{text::MOTHER_NO_DATA_CHUNK, numberLine(text::FILE_BYTES_LABEL, facts.fileBytes)};
    case MotherProblem::NoFormat: return MotherRefusal{text::MOTHER_NO_FMT_CHUNK, {}};
    case MotherProblem::DataTooSmall:
        return MotherRefusal{text::MOTHER_DATA_TOO_SMALL, numberLine(text::DATA_SIZE_LABEL, facts.dataSize)};
    case MotherProblem::DataBeyondFile:
        return MotherRefusal{text::MOTHER_DATA_BEYOND_FILE, numberLine(text::DATA_SIZE_LABEL, facts.dataSize) +
                                                                numberLine(text::FILE_BYTES_LABEL, facts.fileBytes)};
    case MotherProblem::None: break;
    }
    return std::nullopt;
}

MotherRefusal motherCannotOpen(int openError)
{
    return {openError == EISDIR ? text::MOTHER_IS_FOLDER : text::MOTHER_CANNOT_OPEN, {}};
}
