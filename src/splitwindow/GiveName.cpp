#include "splitwindow/GiveName.h"

#include "core/AppState.h"
#include "ui/FilePicker.h"
#include "ui/StringOps.h"
#include "ui/Texts.h"

void giveName(CommandContext& ctx)
{
    AppState& state = ctx.state;
    pickFile(ctx.ui, ctx.mainWindow, state.childBaseName, text::EXT_WAV, text::PICK_CHILDREN, state.childrenNamed);
    if (state.childrenNamed == 0) {
        return;  // the old stem stays, but the split commands refuse until a name is given
    }
    state.childNumber = 1;
    state.childStem = state.childBaseName;
    cutFileNameAtDot(state.childStem);
}
