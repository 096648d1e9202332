#include "app/Shell.h"

#include "app/AppState.h"

void showInfo(CommandContext& ctx) { ctx.ui.runInfoDialog(ctx.mainWindow); }

void quit(CommandContext& ctx)
{
    closeAllStreams(ctx.state);
    ctx.ui.deletePen(ctx.state.bluePen);
    ctx.state.bluePen = nullptr;
    ctx.ui.deletePen(ctx.state.yellowPen);
    ctx.state.yellowPen = nullptr;
    ctx.ui.destroyWindow(ctx.mainWindow);
}

void onMainWindowDestroyed(AppState& state) { closeAllStreams(state); }
