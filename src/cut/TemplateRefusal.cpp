#include "cut/TemplateRefusal.h"

#include "ui/Texts.h"

namespace {

const char* captionOf(TemplateProblem problem)
{
    switch (problem) {
    case TemplateProblem::CannotOpen: return text::LIKE_CANNOT_OPEN;
    case TemplateProblem::TooShort: return text::LIKE_TOO_SHORT;
    case TemplateProblem::NotRiffWave: return text::LIKE_NOT_RIFF_WAVE;
    case TemplateProblem::NoData: return text::LIKE_NO_DATA_CHUNK;
    case TemplateProblem::NoFormat: return text::LIKE_NO_FMT_CHUNK;
    case TemplateProblem::None: break;
    }
    return nullptr;
}

}  // namespace

TemplateRefusal templateRefusalOf(const std::string& path, const TemplateWav& read)
{
    TemplateRefusal refusal{captionOf(read.problem), path};
    if (read.problem == TemplateProblem::TooShort) {
        refusal.text += "\n" + std::string(text::BYTES_READ_LABEL) + std::to_string(read.headerBytesRead);
    }
    return refusal;
}
