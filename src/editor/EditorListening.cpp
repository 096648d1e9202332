#include "editor/EditorListening.h"

#include <vector>

#include "editor/EditorCommands.h"
#include "editor/ListeningFormat.h"

namespace {

// The Mother as the editor holds it, for the device.
MotherSound soundOf(const MotherSource& mother, std::uint64_t frames)
{
    const SoundFormat format = mother.format ? soundFormatOf(*mother.format, mother.fmtBody) : SoundFormat{};
    return {mother.path, mother.dataAt, frames, format};
}

void playFromMenu(CommandContext& ctx, PlayRequest request)
{
    if (!editorSession().shown) {
        editCutsOnWave(ctx);
    }
    EditorSession& session = editorSession();
    if (session.shown) {
        listen(session, request, ctx.ui, ctx.mainWindow);
    }
}

}  // namespace

std::optional<PlayRequest> playRequestOf(const KeyPress& press)
{
    switch (press.key) {
    case PanelKey::Space: return press.ctrl ? PlayRequest::Child : PlayRequest::FromCursor;
    case PanelKey::Comma: return PlayRequest::UpToCut;
    case PanelKey::Period: return PlayRequest::FromCut;
    default: return std::nullopt;
    }
}

void listen(EditorSession& session, PlayRequest request, Platform& ui, WindowRef owner)
{
    if (!session.editor) {
        return;
    }
    if (!session.playback) {
        session.playback = std::make_unique<Playback>(ui);
    }
    const CutEditor& editor = *session.editor;
    std::vector<std::uint64_t> cuts;
    for (const EditorCut& cut : editor.cuts().cuts()) {
        cuts.push_back(cut.frame);
    }
    std::optional<std::uint64_t> selected;
    if (editor.selected()) {
        selected = cuts[*editor.selected()];
    }
    const std::uint64_t frames = editor.cuts().totalFrames();
    const std::uint32_t rate = session.mother.format ? session.mother.format->sampleRate : 0;
    const bool playing = session.playback->request(request, {editor.cursor(), selected, cuts, frames, rate},
                                                   soundOf(session.mother, frames), owner);
    session.playFrame = playing ? session.playback->playLine(owner) : std::nullopt;
    ui.tickPanel(owner, playing ? PLAY_LINE_EVERY_MS : 0);
    ui.repaintPanel(owner);
}

void stopListening(EditorSession& session, Platform& ui, WindowRef owner)
{
    if (!session.playback || !session.playback->playing()) {
        return;
    }
    session.playback->stop();
    session.playFrame.reset();
    ui.tickPanel(owner, 0);
    ui.repaintPanel(owner);
}

void followPlayLine(EditorSession& session, Platform& ui, WindowRef owner)
{
    if (!session.playback) {
        ui.tickPanel(owner, 0);
        return;
    }
    session.playFrame = session.playback->playLine(owner);
    if (session.playFrame && session.editor) {
        session.editor->follow(*session.playFrame);
    } else {
        ui.tickPanel(owner, 0);
    }
    ui.repaintPanel(owner);
}

void playFromCursor(CommandContext& ctx) { playFromMenu(ctx, PlayRequest::FromCursor); }
void playUpToCut(CommandContext& ctx) { playFromMenu(ctx, PlayRequest::UpToCut); }
void playFromCut(CommandContext& ctx) { playFromMenu(ctx, PlayRequest::FromCut); }
void playChild(CommandContext& ctx) { playFromMenu(ctx, PlayRequest::Child); }

void stopPlaying(CommandContext& ctx) { stopListening(editorSession(), ctx.ui, ctx.mainWindow); }
