#include "splitwindow/MarksCommands.h"

#include <string>

#include "cut/NumberPrompt.h"
#include "planning/RecordPlanning.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

namespace {

constexpr std::uint32_t MINUTES_PER_DAY = 24 * 60;

// Plans the marks for the loaded Mother. A plan becomes the record's cut and its Children are
// counted in a box; a refusal is shown as the command line tells it, and the record stays.
void takeMarks(CommandContext& ctx, const MarksChoice& marks)
{
    AppState& state = ctx.state;
    const PlannedCut cut = planCut(marksRequestOf(marks, state, state), {state.motherPath, std::nullopt});
    if (!cut.plan) {
        showText(ctx.ui, ctx.mainWindow, cut.refusal->caption, cutMessageText(*cut.refusal));
        return;
    }
    state.cutMode = CutMode::Marks;
    state.marksRule = marks.rule;
    state.marksPath = marks.path;
    state.silenceBelowDb = marks.belowDb;
    state.silenceMs = marks.shortestMs;
    state.clockMinutes = marks.clockMinutes;
    showUnsigned(ctx.ui, ctx.mainWindow, text::MARKS_CHILDREN, static_cast<std::uint32_t>(cut.plan->children.size()));
}

// A file of marks picked into a path of its own: a cancelled pick leaves the record as it was.
void takeMarksFile(CommandContext& ctx, CutRule rule, const char* extension, const char* caption)
{
    MarksChoice marks{rule, ctx.state.marksPath};
    Flag chosen = 0;
    pickFile(ctx.ui, ctx.mainWindow, marks.path, extension, caption, chosen);
    if (chosen != 0) {
        takeMarks(ctx, marks);
    }
}

}  // namespace

void cutAtMarkers(CommandContext& ctx) { takeMarks(ctx, {CutRule::Markers, ctx.state.marksPath}); }

void cutAtLabels(CommandContext& ctx) { takeMarksFile(ctx, CutRule::Labels, text::EXT_TXT, text::PICK_LABELS); }

void cutAtCueSheet(CommandContext& ctx) { takeMarksFile(ctx, CutRule::Cue, text::EXT_CUE, text::PICK_CUE_SHEET); }

void cutAtSilences(CommandContext& ctx)
{
    MarksChoice marks{CutRule::Silence, ctx.state.marksPath};
    marks.belowDb = askNumber(ctx, text::ASK_SILENCE_DB);
    if (marks.belowDb == 0) {
        return;
    }
    marks.shortestMs = askNumber(ctx, text::ASK_SILENCE_MS);
    if (marks.shortestMs == 0) {
        return;
    }
    takeMarks(ctx, marks);
}

void cutAtClockTimes(CommandContext& ctx)
{
    MarksChoice marks{CutRule::Time, ctx.state.marksPath};
    marks.clockMinutes = askNumber(ctx, text::ASK_CLOCK_MINUTES);
    if (marks.clockMinutes == 0) {
        return;
    }
    if (MINUTES_PER_DAY % marks.clockMinutes != 0) {
        showUnsigned(ctx.ui, ctx.mainWindow, text::CLOCK_MINUTES_REFUSED, marks.clockMinutes);
        return;
    }
    takeMarks(ctx, marks);
}
