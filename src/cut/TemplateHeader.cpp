#include "cut/TemplateHeader.h"

#include <string>

#include "core/AppState.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/TemplateWav.h"

namespace {

const char* templateRefusal(TemplateProblem problem)
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

// A template that cannot give a piece length and a header is refused before anything of it is used.
bool refuseUnusableTemplate(CommandContext& ctx, const TemplateWav& read)
{
    const char* caption = templateRefusal(read.problem);
    if (caption == nullptr) {
        return false;
    }
    std::string text = ctx.state.likePath;
    if (read.problem == TemplateProblem::TooShort) {
        text += "\n" + std::string(text::BYTES_READ_LABEL) + std::to_string(read.headerBytesRead);
    }
    showText(ctx.ui, ctx.mainWindow, caption, text);
    ctx.state.likeChosen = 0;
    return true;
}

}  // namespace

bool takeTemplateHeader(CommandContext& ctx)
{
    AppState& state = ctx.state;
    const TemplateWav read = readTemplateWav(state.likePath);
    if (refuseUnusableTemplate(ctx, read)) {
        return false;
    }
    state.headerBuf = read.childHeader;
    state.pieceBytes = read.pieceBytes;
    return true;
}
