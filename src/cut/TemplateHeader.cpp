#include "cut/TemplateHeader.h"

#include <string>

#include "core/AppState.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/WavHeader.h"

namespace {

// A template that cannot give a whole header is refused before anything of it is used.
bool refuseUnusableTemplate(CommandContext& ctx, const HeaderRead& read)
{
    const std::string& path = ctx.state.likePath;
    if (!read.opened) {
        showText(ctx.ui, ctx.mainWindow, text::LIKE_CANNOT_OPEN, path);
    } else if (read.bytesRead < WAV_HEADER_BYTES) {
        showText(ctx.ui, ctx.mainWindow, text::LIKE_TOO_SHORT,
                 path + "\n" + text::BYTES_READ_LABEL + std::to_string(read.bytesRead));
    } else {
        return false;
    }
    ctx.state.likeChosen = 0;
    return true;
}

}  // namespace

bool takeTemplateHeader(CommandContext& ctx)
{
    AppState& state = ctx.state;
    HeaderBytes header{};
    if (refuseUnusableTemplate(ctx, readHeaderFile(state.likePath, header))) {
        return false;
    }
    state.headerBuf = header;
    state.pieceBytes = headerDataSize(header);
    return true;
}
