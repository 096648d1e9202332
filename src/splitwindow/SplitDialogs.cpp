#include "splitwindow/SplitDialogs.h"

#include <memory>

#include "res/resource.h"
#include "splitwindow/SplitProgress.h"
#include "ui/Texts.h"
#include "wav/WavHeader.h"

namespace {

constexpr SplitTexts ALLSPLIT_TEXTS{text::PERCENT_SUM, text::PERCENT_GESAMMT, text::TIME_ALLSPLIT};
constexpr SplitTexts SPLIT_TO_CHILDREN_TEXTS{text::PERCENT_GESAMMT, text::PERCENT_SUM, text::TIME_NEWSPLIT};

void openSplitDialog(CommandContext& ctx, SplitDialogKind kind)
{
    SplitFiles files;
    SplitDialogHandler handler(ctx.state, ctx.ui, kind, files);
    // The header fields stand in the record from the moment the dialog opens, START or not.
    handler.onMessage();
    ctx.ui.runDialog(ctx.mainWindow, splitDialogIdOf(kind), handler);
}

}  // namespace

const SplitTexts& splitTextsOf(SplitDialogKind kind)
{
    return kind == SplitDialogKind::AllSplit ? ALLSPLIT_TEXTS : SPLIT_TO_CHILDREN_TEXTS;
}

int splitDialogIdOf(SplitDialogKind kind)
{
    return kind == SplitDialogKind::AllSplit ? IDD_SPLIT_TO_CHILDREN : IDD_NEWSPLIT;
}

void prepareSplitHeader(AppState& state)
{
    if (state.cutMode == CutMode::Time || state.cutMode == CutMode::Count) {
        fillDefaultHeader(state);
    }
}

SplitDialogHandler::SplitDialogHandler(AppState& state, Platform& ui, SplitDialogKind kind, SplitFiles& files,
                                       MillisecondClock clock)
    : state_(state), ui_(ui), kind_(kind), files_(files), clock_(clock)
{
}

void SplitDialogHandler::onMessage() { prepareSplitHeader(state_); }

void SplitDialogHandler::onPaint(DrawingSurface& surface) { drawEmptyTracks(surface, state_.thickGreyPen); }

void SplitDialogHandler::onStart(WindowRef dialog, PenRef thickGreenPen)
{
    const std::unique_ptr<DrawingSurface> surface = ui_.beginDrawing(dialog);
    SplitTools tools{ui_, dialog, *surface, thickGreenPen, files_, clock_};
    runSplit(state_, tools, splitTextsOf(kind_));
}

void openAllSplit(CommandContext& ctx) { openSplitDialog(ctx, SplitDialogKind::AllSplit); }

void openSplitToChildren(CommandContext& ctx) { openSplitDialog(ctx, SplitDialogKind::SplitToChildren); }
