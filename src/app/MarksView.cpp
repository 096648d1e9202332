#include "app/MarksView.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/AppState.h"
#include "display/DisplayCommands.h"
#include "display/MarkLines.h"
#include "planning/RecordPlanning.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

namespace {

struct MarksOnMother {
    std::uint64_t frames = 0;
    std::vector<WaveMark> marks;  // where each Child but one at the Mother's start begins
};

MarksOnMother marksOf(const SplitPlan& plan)
{
    MarksOnMother shown{plan.frameBytes == 0 ? 0 : plan.mother.sampleBytes / plan.frameBytes, {}};
    for (const PlannedChild& child : plan.children) {
        const std::uint64_t frame = shown.frames == 0 ? 0 : (child.firstByte - plan.mother.dataAt) / plan.frameBytes;
        if (frame > 0) {
            shown.marks.push_back({frame, child.title});
        }
    }
    return shown;
}

void drawOnWindow(CommandContext& ctx, PenRef pen, const MarksOnMother& shown, MarkStyle style)
{
    const ClientRect client = ctx.ui.clientRect(ctx.mainWindow);
    if (client.right > 0) {
        const std::unique_ptr<DrawingSurface> surface = ctx.ui.beginDrawing(ctx.mainWindow);
        drawMarks(*surface, pen, client, shown.frames, shown.marks, style);
    }
}

}  // namespace

void previewCutsOrMarks(CommandContext& ctx)
{
    AppState& state = ctx.state;
    if (state.cutMode != CutMode::Marks) {
        previewCuts(ctx);
        return;
    }
    const PlannedCut cut = planMarksOfRecord(state, state, state);
    if (!cut.plan) {
        showText(ctx.ui, ctx.mainWindow, cut.refusal->caption, cutMessageText(*cut.refusal));
        return;
    }
    // The lines are on screen before the box opens, as the cut preview's.
    drawOnWindow(ctx, state.greenPen, marksOf(*cut.plan), MarkStyle::FullHeight);
    showUnsigned(ctx.ui, ctx.mainWindow, text::MARKS_CHILDREN, static_cast<std::uint32_t>(cut.plan->children.size()));
}

void showWaveWithMarks(CommandContext& ctx, void (*showWave)(CommandContext&))
{
    showWave(ctx);
    AppState& state = ctx.state;
    if (state.cutMode != CutMode::Marks) {
        return;
    }
    // Marks that can no longer be had (their file gone) are not drawn; the split will say why.
    const PlannedCut cut = planMarksOfRecord(state, state, state);
    if (cut.plan) {
        drawOnWindow(ctx, state.thickRedPen, marksOf(*cut.plan), MarkStyle::NamedTick);
    }
}
