// The editor as values: its cuts and their undo, the cursor, the selected cut, the view and a
// drag under way, and every key and mouse action as a function of them. The window layer only
// turns messages into these calls and draws what they leave. A later play line is a frame like
// the cursor; its keys go beside these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "editor/CutHistory.h"
#include "editor/EditorCuts.h"
#include "editor/WaveSummary.h"
#include "editor/WaveView.h"

// How far Left and Right move the selected cut: one pixel's frames, ten pixels', one frame.
enum class NudgeStep { Pixel, TenPixels, Frame };

// A click selects the nearest cut this many pixels from it at most.
inline constexpr std::int64_t PICK_PIXELS = 4;
// Snapping looks this far each side for a change of sign of the first channel.
inline constexpr std::uint64_t SNAP_MILLISECONDS = 5;

// The first channel's samples, for snapping: the frames' bytes and their layout.
struct SnapSource {
    FrameReader read;
    SampleLayout layout;
    std::uint32_t sampleRate = 0;
};

// The frame within SNAP_MILLISECONDS of `frame` nearest it where the first channel changes sign
// (the frame whose sample first has the new sign; the earlier of two as near), among the frames
// `allowed` lets through; none when there is none.
std::optional<std::uint64_t> zeroCrossingNear(const SnapSource& source, std::uint64_t frame, std::uint64_t low,
                                              std::uint64_t high);

class CutEditor {
public:
    CutEditor(EditorCuts cuts, std::uint32_t width);

    const EditorCuts& cuts() const { return cuts_; }
    const WaveView& view() const { return view_; }
    std::uint64_t cursor() const { return cursor_; }
    std::optional<std::size_t> selected() const { return selected_; }
    bool dragging() const { return drag_.has_value(); }
    bool snapping() const { return snap_; }
    // Counts every change made, undone or redone, so a caller sees whether the cuts moved.
    std::uint64_t revision() const { return revision_; }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    void setSnap(bool on) { snap_ = on; }
    void setSnapSource(SnapSource source) { snapSource_ = std::move(source); }
    void setWidth(std::uint32_t width) { view_ = resized(view_, width); }

    // ---- mouse (x in the editor's columns)
    // The cursor at the frame under x; the nearest cut within PICK_PIXELS selected, or none.
    void click(std::int64_t x);
    // A cut at the frame under x (snapped); false when none can stand there.
    bool doubleClick(std::int64_t x);
    // The cut under x removed; false when there is none.
    bool rightClick(std::int64_t x);
    // Whether a cut lies under x (the pointer then shows a left-right arrow).
    bool overCut(std::int64_t x) const;
    // Takes hold of the cut under x; false when there is none.
    bool beginDrag(std::int64_t x);
    void dragTo(std::int64_t x);
    // The drag ends as one step (snapped where it was dropped); Esc puts the cut back instead.
    void endDrag();
    void cancelDrag();

    // ---- keys
    bool addAtCursor();
    bool deleteSelected();
    // The selected cut moved right (+1) or left (-1); one step.
    bool nudge(int direction, NudgeStep step);
    void selectNext();
    void selectPrevious();
    void cursorHome();
    void cursorEnd();

    // ---- view
    void zoomAt(std::int64_t x, bool in);
    void zoomAtCursor(bool in);
    void zoomWhole();
    void scrollBy(std::int64_t pixels);
    void scrollToBar(std::int32_t position);
    // The view turned so that the play line at this frame stays in sight.
    void follow(std::uint64_t frame);

    // ---- names, lists, history
    std::size_t cursorPiece() const { return cuts_.pieceAt(cursor_); }
    bool namePiece(std::size_t piece, std::string name);
    // The cuts and names of a loaded list (or of the split's cut, when it has changed) as one step.
    bool replaceAll(EditorCuts cuts);
    bool undo();
    bool redo();

private:
    std::optional<std::size_t> cutNear(std::int64_t x) const;
    std::uint64_t snapped(std::uint64_t frame, std::uint64_t low, std::uint64_t high) const;
    void step(const CutChange& change);
    void keepSelectionInView();

    struct Drag {
        std::size_t index = 0;
        std::uint64_t from = 0;
    };

    EditorCuts cuts_;
    CutHistory history_;
    WaveView view_;
    std::uint64_t cursor_ = 0;
    std::optional<std::size_t> selected_;
    std::optional<Drag> drag_;
    bool snap_ = false;
    std::optional<SnapSource> snapSource_;
    std::uint64_t revision_ = 0;
};
