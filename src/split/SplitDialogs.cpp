#include "split/SplitDialogs.h"

#include <memory>

#include "split/SplitProgress.h"
#include "ui/Texts.h"
#include "wav/WavHeader.h"

namespace {

constexpr SplitTexts SPLIT_TO_CHILDREN_TEXTS{text::PERCENT_SUM, text::PERCENT_GESAMMT, text::TIME_ALLSPLIT};
constexpr SplitTexts NEW_SPLIT_TEXTS{text::PERCENT_GESAMMT, text::PERCENT_SUM, text::TIME_NEWSPLIT};

void openSplitDialog(CommandContext& ctx, SplitDialogKind kind)
{
    // The header fields stand in the record from the moment the dialog opens, START or not.
    prepareSplitHeader(ctx.state);
    ctx.ui.runSplitDialog(ctx.mainWindow, ctx.state, kind);
}

}  // namespace

const SplitTexts& splitTextsOf(SplitDialogKind kind)
{
    return kind == SplitDialogKind::SplitToChildren ? SPLIT_TO_CHILDREN_TEXTS : NEW_SPLIT_TEXTS;
}

void prepareSplitHeader(AppState& state)
{
    if (state.cutMode == CUT_MODE_TIME || state.cutMode == CUT_MODE_COUNT) {
        fillDefaultHeader(state);
    }
}

void paintSplitDialog(DrawingSurface& surface, const AppState& state) { drawEmptyTracks(surface, state.thickGreyPen); }

void startSplit(AppState& state, Platform& ui, WindowRef dialog, PenRef thickGreenPen, SplitDialogKind kind,
                SplitFiles& files)
{
    const std::unique_ptr<DrawingSurface> surface = ui.beginDrawing(dialog);
    SplitTools tools{ui, dialog, *surface, thickGreenPen, files};
    runSplit(state, tools, splitTextsOf(kind));
}

void openSplitToChildren(CommandContext& ctx) { openSplitDialog(ctx, SplitDialogKind::SplitToChildren); }

void openNewSplit(CommandContext& ctx) { openSplitDialog(ctx, SplitDialogKind::NewSplit); }
