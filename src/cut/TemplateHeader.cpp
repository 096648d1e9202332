#include "cut/TemplateHeader.h"

#include "core/AppState.h"
#include "cut/PieceLength.h"
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
    // Of a Mother in another format, pieces as long in time as the template's data, in its own
    // bytes; 16-bit stereo 44 100 Hz takes the template's bytes as they are.
    state.pieceBytes = read.pieceBytes;
    if (state.motherOwnHeader) {
        state.pieceBytes = pieceBytesLike(read.pieceBytes, read.format.byteRate, motherTimeOf(state.motherOwnHeader));
    }
    return true;
}
