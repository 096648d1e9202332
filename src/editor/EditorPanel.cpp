#include "editor/EditorPanel.h"

#include <algorithm>

#include "editor/EditorCommands.h"
#include "editor/EditorListening.h"
#include "editor/EditorPicture.h"
#include "editor/EditorSession.h"
#include "ui/Messages.h"
#include "ui/Texts.h"

namespace {

constexpr int WHEEL_PIXELS = 64;  // a notch of the wheel scrolls so many pixels' frames
constexpr int LINE_PIXELS = 16;

class EditorPanel : public PanelHandler {
public:
    EditorPanel(AppState& state, Platform& ui, WindowRef mainWindow) : state_(state), ui_(ui), main_(mainWindow) {}

    void onPaint(DrawingSurface& surface, const ClientRect& area, const PanelPens& pens) override
    {
        EditorSession& session = editorSession();
        if (!session.editor) {
            return;
        }
        const EditorScene scene{*session.editor,
                                session.summary,
                                session.read,
                                sessionNames(session, state_, state_),
                                session.mother.format ? session.mother.format->sampleRate : 0,
                                state_.yellowPen,
                                state_.bluePen,
                                state_.greenPen,
                                pens,
                                session.playFrame};
        drawEditor(surface, area, scene, picture_);
    }

    void onResize(const ClientRect& area) override
    {
        if (CutEditor* editor = editor_()) {
            editor->setWidth(static_cast<std::uint32_t>(std::max(area.right, 1)));
        }
    }

    void onKey(const KeyPress& press) override
    {
        CutEditor* editor = editor_();
        if (editor == nullptr) {
            return;
        }
        if (const std::optional<PlayRequest> request = playRequestOf(press)) {
            listen(editorSession(), *request, ui_, main_);
            return;
        }
        // Any other key of the editor stops what plays; a key it does not know (Shift, Ctrl) does not.
        if (press.key != PanelKey::Other) {
            stopListening(editorSession(), ui_, main_);
        }
        const NudgeStep step = press.ctrl ? NudgeStep::Frame : press.shift ? NudgeStep::TenPixels : NudgeStep::Pixel;
        switch (press.key) {
        case PanelKey::Insert:
        case PanelKey::M: editor->addAtCursor(); break;
        case PanelKey::Delete: editor->deleteSelected(); break;
        case PanelKey::Left: editor->nudge(-1, step); break;
        case PanelKey::Right: editor->nudge(+1, step); break;
        case PanelKey::Tab: press.shift ? editor->selectPrevious() : editor->selectNext(); break;
        case PanelKey::Home: editor->cursorHome(); break;
        case PanelKey::End: editor->cursorEnd(); break;
        case PanelKey::Plus: editor->zoomAtCursor(true); break;
        case PanelKey::Minus: editor->zoomAtCursor(false); break;
        case PanelKey::F2: nameCursorPiece(*editor); break;
        case PanelKey::Z:
            if (press.ctrl) {
                editor->undo();
            }
            break;
        case PanelKey::Y:
            if (press.ctrl) {
                editor->redo();
            }
            break;
        case PanelKey::Escape:
            if (editor->dragging()) {
                editor->cancelDrag();
            } else {
                CommandContext ctx{state_, ui_, main_};
                closeCutEditor(ctx);
                return;
            }
            break;
        case PanelKey::Space:
        case PanelKey::Comma:
        case PanelKey::Period:
        case PanelKey::Other: return;
        }
        changed();
    }

    void onMouse(const MouseEvent& event) override
    {
        CutEditor* editor = editor_();
        if (editor == nullptr) {
            return;
        }
        if (event.action == MouseAction::Press || event.action == MouseAction::DoubleClick ||
            event.action == MouseAction::RightClick) {
            stopListening(editorSession(), ui_, main_);  // a click stops what plays
        }
        switch (event.action) {
        case MouseAction::Press:
            editor->click(event.x);
            editor->beginDrag(event.x);
            break;
        case MouseAction::DoubleClick: editor->doubleClick(event.x); break;
        case MouseAction::RightClick: editor->rightClick(event.x); break;
        case MouseAction::Move:
            if (!editor->dragging()) {
                return;
            }
            editor->dragTo(event.x);
            break;
        case MouseAction::Release: editor->endDrag(); break;
        case MouseAction::Wheel:
            for (int i = 0; i < std::abs(event.wheelSteps); ++i) {
                if (event.ctrl) {
                    editor->zoomAt(event.x, event.wheelSteps > 0);
                } else {
                    editor->scrollBy(event.wheelSteps > 0 ? -WHEEL_PIXELS : WHEEL_PIXELS);
                }
            }
            break;
        }
        changed();
    }

    void onScroll(ScrollMove move, std::int32_t position) override
    {
        CutEditor* editor = editor_();
        if (editor == nullptr) {
            return;
        }
        const std::int64_t page = editor->view().width;
        switch (move) {
        case ScrollMove::LineBack: editor->scrollBy(-LINE_PIXELS); break;
        case ScrollMove::LineOn: editor->scrollBy(LINE_PIXELS); break;
        case ScrollMove::PageBack: editor->scrollBy(-page); break;
        case ScrollMove::PageOn: editor->scrollBy(page); break;
        case ScrollMove::To: editor->scrollToBar(position); break;
        }
        changed();
    }

    void onTick() override { followPlayLine(editorSession(), ui_, main_); }

    void onCaptureLost() override
    {
        if (CutEditor* editor = editor_(); editor != nullptr && editor->dragging()) {
            editor->endDrag();
            changed();
        }
    }

    PanelCursor cursorAt(int x, int) override
    {
        const CutEditor* editor = editor_();
        return editor != nullptr && (editor->dragging() || editor->overCut(x)) ? PanelCursor::LeftRight
                                                                               : PanelCursor::Arrow;
    }

    PanelScroll scrollBar() override
    {
        const CutEditor* editor = editor_();
        if (editor == nullptr) {
            return {};
        }
        const ScrollBar bar = scrollBarOf(editor->view());
        return {bar.max, bar.page, bar.position};
    }

private:
    static CutEditor* editor_()
    {
        EditorSession& session = editorSession();
        return session.editor ? &*session.editor : nullptr;
    }

    void changed()
    {
        keepEditorCuts(editorSession(), state_);
        ui_.repaintPanel(main_);
    }

    void nameCursorPiece(CutEditor& editor)
    {
        const std::size_t piece = editor.cursorPiece();
        const std::optional<std::string> name =
            ui_.promptText(main_, text::ASK_CHILD_NAME, editor.cuts().pieceName(piece));
        if (!name) {
            return;
        }
        const std::string refused = refusedNameCharacters(*name);
        if (!refused.empty()) {
            showText(ui_, main_, text::CHILD_NAME_REFUSED, *name + "\n" + text::REFUSED_CHARACTERS_LABEL + refused);
            return;
        }
        editor.namePiece(piece, *name);
    }

    AppState& state_;
    Platform& ui_;
    WindowRef main_;
    WavePicture picture_;
};

}  // namespace

std::string refusedNameCharacters(std::string_view name)
{
    std::string refused;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        const bool bad = code < 32 || code == 127 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        if (bad && refused.find(c) == std::string::npos) {
            refused += c;
        }
    }
    return refused;
}

PanelHandler& editorPanel(AppState& state, Platform& ui, WindowRef mainWindow)
{
    static std::optional<EditorPanel> panel;
    panel.emplace(state, ui, mainWindow);
    return *panel;
}
