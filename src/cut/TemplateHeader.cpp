#include "cut/TemplateHeader.h"

#include "core/AppState.h"
#include "cut/TemplateRefusal.h"
#include "ui/Messages.h"
#include "wav/TemplateWav.h"

bool takeTemplateHeader(CommandContext& ctx)
{
    AppState& state = ctx.state;
    const TemplateWav read = readTemplateWav(state.likePath);
    // A template that cannot give a piece length and a header is refused before anything of it is used.
    const TemplateRefusal refusal = templateRefusalOf(state.likePath, read);
    if (refusal.caption != nullptr) {
        showText(ctx.ui, ctx.mainWindow, refusal.caption, refusal.text);
        state.likeChosen = 0;
        return false;
    }
    state.headerBuf = read.childHeader;
    state.pieceBytes = read.pieceBytes;
    return true;
}
