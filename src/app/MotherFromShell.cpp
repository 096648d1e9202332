#include "app/MotherFromShell.h"

#include "app/MotherLoad.h"
#include "core/AppState.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

void loadMotherFromShell(CommandContext& ctx, const std::vector<std::string>& files)
{
    if (files.empty()) {
        return;
    }
    if (files.size() > 1) {
        showNotice(ctx.ui, ctx.mainWindow, text::ONLY_ONE_MOTHER);
        return;
    }
    // What the picker leaves behind when the user confirms a file.
    ctx.state.motherPath = files.front();
    ctx.state.motherChosen = 1;
    loadMother(ctx);
}
