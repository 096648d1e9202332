#include "editor/EditorCommands.h"

#include <cstdio>
#include <string>

#include "core/AppState.h"
#include "core/FileIo.h"
#include "editor/CutListText.h"
#include "editor/EditorListening.h"
#include "editor/EditorPanel.h"
#include "editor/EditorPlan.h"
#include "editor/EditorSession.h"
#include "res/resource.h"
#include "planning/CutPlanning.h"
#include "planning/MarksSpans.h"
#include "planning/RecordPlanning.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

namespace {

void refuse(CommandContext& ctx, const CutMessage& refusal)
{
    showText(ctx.ui, ctx.mainWindow, refusal.caption, cutMessageText(refusal));
}

// The Mother in its own time, as the editor's cuts will be planned; none after saying why not.
std::optional<MotherSource> ownTimeMother(CommandContext& ctx)
{
    CutRequest request;
    request.rule = CutRule::Frames;
    const PlannedCut own = planCut(request, {ctx.state.motherPath, std::nullopt});
    if (!own.plan) {
        refuse(ctx, *own.refusal);
        return std::nullopt;
    }
    return own.plan->mother;
}

// The cuts the split would make now; none after saying why there are none to be had.
std::optional<EditorCuts> cutsOfRecord(CommandContext& ctx, const MotherSource& mother)
{
    const AppState& state = ctx.state;
    if (state.cutMode == CutMode::Marks && state.marksRule == CutRule::Frames) {
        EditorCuts cuts(framesOf(mother));
        for (const FrameCut& cut : state.frameCuts) {
            if (cut.frame == 0) {
                cuts.setPieceName(0, cut.name);
            } else {
                static_cast<void>(cuts.insert({cut.frame, cut.name}));
            }
        }
        return cuts;
    }
    const PlannedCut now = planOfRecord(state, state, state);
    if (!now.plan) {
        refuse(ctx, *now.refusal);
        return std::nullopt;
    }
    return editorCutsOf(*now.plan, mother);
}

// The Mother's summary, under a progress bar for a long one; false when it was cancelled.
bool summarizeMother(CommandContext& ctx, EditorSession& session)
{
    const std::uint64_t frames = framesOf(session.mother);
    std::optional<WaveSummary> made;
    const auto work = [&](const ProgressTick& tick) {
        made = summarize(session.read, session.layout, frames, [&](std::uint64_t read) {
            return tick(static_cast<std::uint32_t>(frames == 0 ? 1000 : read * 1000 / frames));
        });
        return made.has_value();
    };
    if (session.mother.sampleBytes > SUMMARY_PROGRESS_BYTES) {
        ctx.ui.runWithProgress(ctx.mainWindow, text::READING_MOTHER, work);
    } else {
        work([](std::uint32_t) { return true; });
    }
    if (!made) {
        return false;
    }
    session.summary = std::move(*made);
    return true;
}

// The editor made ready for the record's Mother and cut: kept when the Mother is the same (the
// cut made now, when it differs, one step on), made afresh otherwise. False when it cannot be.
bool prepareEditor(CommandContext& ctx)
{
    const std::optional<MotherSource> mother = ownTimeMother(ctx);
    if (!mother) {
        return false;
    }
    std::optional<EditorCuts> cuts = cutsOfRecord(ctx, *mother);
    if (!cuts) {
        return false;
    }
    EditorSession& session = editorSession();
    const auto width = static_cast<std::uint32_t>(std::max(ctx.ui.clientRect(ctx.mainWindow).right, 1));
    if (sameMother(session, *mother)) {
        session.editor->setWidth(width);
        session.editor->replaceAll(std::move(*cuts));
    } else {
        const bool snap = session.snap;
        session = EditorSession{};
        session.snap = snap;
        session.mother = *mother;
        session.layout = sampleLayoutOf(*mother->format).value_or(SampleLayout{});
        session.frames = std::make_unique<MotherFrames>(session.mother);
        session.read = session.frames->reader();
        if (!summarizeMother(ctx, session)) {
            session = EditorSession{};
            session.snap = snap;
            return false;
        }
        session.editor.emplace(std::move(*cuts), width);
        session.editor->setSnapSource({session.read, session.layout, mother->format->sampleRate});
    }
    session.editor->setSnap(session.snap);
    // Opening changes nothing of the record: only what is done in the editor from now on.
    session.syncedRevision = session.editor->revision();
    session.seenCut = static_cast<const CutRecord&>(ctx.state);
    return true;
}

// The commands that work on the cuts open the editor first when it is closed.
bool withEditor(CommandContext& ctx)
{
    if (editorSession().shown) {
        return true;
    }
    editCutsOnWave(ctx);
    return editorSession().shown;
}

void afterChange(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    keepEditorCuts(session, ctx.state);
    ctx.ui.repaintPanel(ctx.mainWindow);
}

}  // namespace

void editCutsOnWave(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    if (session.shown) {
        closeCutEditor(ctx);
        return;
    }
    if (!prepareEditor(ctx)) {
        return;
    }
    session.shown = true;
    ctx.ui.openPanel(ctx.mainWindow, editorPanel(ctx.state, ctx.ui, ctx.mainWindow));
}

void followRecord(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    if (!session.shown || session.seenCut == static_cast<const CutRecord&>(ctx.state)) {
        return;
    }
    if (prepareEditor(ctx)) {
        ctx.ui.repaintPanel(ctx.mainWindow);
    } else {
        closeCutEditor(ctx);
    }
}

void closeCutEditor(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    if (!session.shown) {
        return;
    }
    if (session.editor) {
        session.editor->cancelDrag();
    }
    stopListening(session, ctx.ui, ctx.mainWindow);
    session.shown = false;
    ctx.ui.closePanel(ctx.mainWindow);
}

void loadCutList(CommandContext& ctx)
{
    if (!withEditor(ctx)) {
        return;
    }
    EditorSession& session = editorSession();
    std::string path = ctx.state.marksPath;
    Flag chosen = 0;
    pickFile(ctx.ui, ctx.mainWindow, path, text::EXT_TXT, text::PICK_CUT_LIST, chosen);
    if (chosen == 0) {
        return;
    }
    // A CUE sheet by its extension; anything else is read as a label list.
    const bool cue =
        path.size() >= 4 && (path.substr(path.size() - 4) == ".cue" || path.substr(path.size() - 4) == ".CUE");
    CutRequest request;
    request.rule = cue ? CutRule::Cue : CutRule::Labels;
    request.marksPath = path;
    PlannedCut read;
    const std::uint64_t frames = framesOf(session.mother);
    const std::optional<ChildSpans> spans = spansOfMarksFile(request, session.mother.format->sampleRate, frames, read);
    if (!spans) {
        refuse(ctx, *read.refusal);
        return;
    }
    session.editor->replaceAll(editorCutsOfSpans(*spans, frames));
    afterChange(ctx);
}

void saveCutList(CommandContext& ctx)
{
    if (!withEditor(ctx)) {
        return;
    }
    EditorSession& session = editorSession();
    std::string path = ctx.state.marksPath;
    Flag chosen = 0;
    pickFile(ctx.ui, ctx.mainWindow, path, text::EXT_TXT, text::SAVE_CUT_LIST, chosen);
    if (chosen == 0) {
        return;
    }
    const std::string list = cutListText(session.editor->cuts(), session.mother.format->sampleRate);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    bool written = out != nullptr && std::fwrite(list.data(), 1, list.size(), out) == list.size();
    if (out != nullptr) {
        written = std::fclose(out) == 0 && written;
    }
    if (!written) {
        showText(ctx.ui, ctx.mainWindow, text::CUT_LIST_NOT_WRITTEN, path);
    }
}

void undoCut(CommandContext& ctx)
{
    if (withEditor(ctx) && editorSession().editor->undo()) {
        afterChange(ctx);
    }
}

void redoCut(CommandContext& ctx)
{
    if (withEditor(ctx) && editorSession().editor->redo()) {
        afterChange(ctx);
    }
}

void snapToZero(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    session.snap = !session.snap;
    if (session.editor) {
        session.editor->setSnap(session.snap);
    }
    ctx.ui.checkMenuItem(ctx.mainWindow, IDM_EDIT_SNAP, session.snap);
}

void zoomWholeWave(CommandContext& ctx)
{
    EditorSession& session = editorSession();
    if (session.shown) {
        session.editor->zoomWhole();
        ctx.ui.repaintPanel(ctx.mainWindow);
    }
}
