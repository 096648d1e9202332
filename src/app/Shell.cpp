#include "app/Shell.h"

#include "core/AppState.h"
#include "res/resource.h"

void showInfo(CommandContext& ctx)
{
    DialogHandler plain;  // the Info dialog has no behaviour beyond closing
    ctx.ui.runDialog(ctx.mainWindow, IDD_INFO, plain);
}

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
