#include "editor/CutEditor.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "editor/Playback.h"

namespace {

std::uint64_t pixelFrames(const WaveView& view)
{
    return view.width == 0 ? 1 : std::max<std::uint64_t>(1, view.span / view.width);
}

CutChange changeOf(CutChange::Kind kind, std::size_t index)
{
    CutChange change;
    change.kind = kind;
    change.index = index;
    return change;
}

CutChange moveOf(std::size_t index, std::uint64_t from, std::uint64_t to)
{
    CutChange change = changeOf(CutChange::Kind::Move, index);
    change.from = from;
    change.to = to;
    return change;
}

std::uint64_t distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

}  // namespace

std::optional<std::uint64_t> zeroCrossingNear(const SnapSource& source, std::uint64_t frame, std::uint64_t low,
                                              std::uint64_t high)
{
    const std::uint64_t reach = std::uint64_t{source.sampleRate} * SNAP_MILLISECONDS / 1000;
    const std::uint64_t from = std::max(low, frame - std::min(frame, reach));
    const std::uint64_t to = std::min(high, frame + reach);
    if (from > to || from == 0 || source.layout.frameBytes == 0) {
        return std::nullopt;
    }
    // The frame before the first one looked at tells whether that one changes sign.
    const auto count = static_cast<std::size_t>(to - from + 2);
    std::vector<std::uint8_t> bytes(count * source.layout.frameBytes);
    const std::size_t got = source.read(from - 1, bytes.data(), count);
    std::optional<std::uint64_t> best;
    for (std::size_t i = 1; i < got; ++i) {
        const bool before = sampleValue(bytes.data() + (i - 1) * source.layout.frameBytes, source.layout.kind) < 0;
        const bool now = sampleValue(bytes.data() + i * source.layout.frameBytes, source.layout.kind) < 0;
        const std::uint64_t at = from - 1 + i;
        if (before != now && (!best || distance(at, frame) < distance(*best, frame))) {
            best = at;
        }
    }
    return best;
}

CutEditor::CutEditor(EditorCuts cuts, std::uint32_t width)
    : cuts_(std::move(cuts)), view_(wholeView(cuts_.totalFrames(), width))
{
}

std::optional<std::size_t> CutEditor::cutNear(std::int64_t x) const
{
    const std::optional<std::size_t> found =
        cuts_.nearest(frameAt(view_, x), mulDiv(PICK_PIXELS + 1, view_.span, std::max<std::uint32_t>(view_.width, 1)));
    if (found && std::abs(columnOf(view_, cuts_.cuts()[*found].frame) - x) <= PICK_PIXELS) {
        return found;
    }
    return std::nullopt;
}

std::uint64_t CutEditor::snapped(std::uint64_t frame, std::uint64_t low, std::uint64_t high) const
{
    if (!snap_ || !snapSource_) {
        return frame;
    }
    return zeroCrossingNear(*snapSource_, frame, low, high).value_or(frame);
}

void CutEditor::step(const CutChange& change)
{
    history_.record(change);
    ++revision_;
}

void CutEditor::click(std::int64_t x)
{
    cursor_ = std::min(frameAt(view_, x), cuts_.totalFrames() == 0 ? 0 : cuts_.totalFrames() - 1);
    selected_ = cutNear(x);
}

bool CutEditor::doubleClick(std::int64_t x)
{
    click(x);
    return addAtCursor();
}

bool CutEditor::rightClick(std::int64_t x)
{
    const std::optional<std::size_t> under = cutNear(x);
    if (!under) {
        return false;
    }
    selected_ = under;
    return deleteSelected();
}

bool CutEditor::overCut(std::int64_t x) const { return cutNear(x).has_value(); }

bool CutEditor::beginDrag(std::int64_t x)
{
    const std::optional<std::size_t> under = cutNear(x);
    if (!under) {
        return false;
    }
    selected_ = under;
    drag_ = Drag{*under, cuts_.cuts()[*under].frame};
    return true;
}

void CutEditor::dragTo(std::int64_t x)
{
    if (drag_) {
        cuts_.moveTo(drag_->index, frameAt(view_, x));
    }
}

void CutEditor::endDrag()
{
    if (!drag_) {
        return;
    }
    const Drag drag = *drag_;
    drag_.reset();
    const std::uint64_t dropped = cuts_.cuts()[drag.index].frame;
    if (dropped == drag.from) {
        return;  // a click on a cut selects it; only a cut that was moved is dropped
    }
    const std::uint64_t to = cuts_.moveTo(
        drag.index, snapped(dropped, cuts_.clampFor(drag.index, 0), cuts_.clampFor(drag.index, UINT64_MAX)));
    if (to != drag.from) {
        step(moveOf(drag.index, drag.from, to));
    }
}

void CutEditor::cancelDrag()
{
    if (drag_) {
        cuts_.moveTo(drag_->index, drag_->from);
        drag_.reset();
    }
}

bool CutEditor::addAtCursor()
{
    const std::uint64_t total = cuts_.totalFrames();
    std::uint64_t frame = total < 2 ? cursor_ : snapped(cursor_, 1, total - 1);
    if (!cuts_.allows(frame)) {
        frame = cursor_;  // the crossing found is taken already: the cut stays where it was put
    }
    const std::optional<std::size_t> at = cuts_.insert({frame, {}});
    if (!at) {
        return false;
    }
    selected_ = at;
    CutChange change = changeOf(CutChange::Kind::Add, *at);
    change.cut.frame = frame;
    step(change);
    return true;
}

bool CutEditor::deleteSelected()
{
    if (!selected_ || *selected_ >= cuts_.size()) {
        return false;
    }
    const std::size_t index = *selected_;
    const EditorCut gone = cuts_.erase(index);
    selected_.reset();
    CutChange change = changeOf(CutChange::Kind::Remove, index);
    change.cut = gone;
    step(change);
    return true;
}

bool CutEditor::nudge(int direction, NudgeStep by)
{
    if (!selected_ || drag_) {
        return false;
    }
    const std::size_t index = *selected_;
    const std::uint64_t frames = by == NudgeStep::Frame       ? 1
                                 : by == NudgeStep::TenPixels ? 10 * pixelFrames(view_)
                                                              : pixelFrames(view_);
    const std::uint64_t from = cuts_.cuts()[index].frame;
    const std::uint64_t wanted = direction < 0 ? from - std::min(from, frames) : from + frames;
    const std::uint64_t to = cuts_.moveTo(index, wanted);
    if (to == from) {
        return false;
    }
    view_ = showing(view_, to);
    step(moveOf(index, from, to));
    return true;
}

void CutEditor::keepSelectionInView()
{
    if (selected_) {
        view_ = showing(view_, cuts_.cuts()[*selected_].frame);
    }
}

void CutEditor::selectNext()
{
    if (cuts_.size() == 0) {
        return;
    }
    const std::size_t next = selected_ ? *selected_ + 1 : cuts_.pieceAt(cursor_);
    selected_ = std::min(next, cuts_.size() - 1);
    keepSelectionInView();
}

void CutEditor::selectPrevious()
{
    if (cuts_.size() == 0) {
        return;
    }
    const std::size_t before = selected_ ? *selected_ : cuts_.firstFrom(cursor_);
    selected_ = before == 0 ? 0 : before - 1;
    keepSelectionInView();
}

void CutEditor::cursorHome()
{
    cursor_ = 0;
    view_ = showing(view_, cursor_);
}

void CutEditor::cursorEnd()
{
    cursor_ = cuts_.totalFrames() == 0 ? 0 : cuts_.totalFrames() - 1;
    view_ = showing(view_, cursor_);
}

void CutEditor::zoomAt(std::int64_t x, bool in) { view_ = zoomed(view_, x, in); }

void CutEditor::zoomAtCursor(bool in)
{
    view_ = showing(view_, cursor_);
    zoomAt(columnOf(view_, cursor_), in);
}

void CutEditor::zoomWhole() { view_ = wholeView(cuts_.totalFrames(), view_.width); }

void CutEditor::scrollBy(std::int64_t pixels) { view_ = scrolledBy(view_, pixels); }

void CutEditor::scrollToBar(std::int32_t position) { view_ = scrolledTo(view_, firstOfBar(view_, position)); }

void CutEditor::follow(std::uint64_t frame)
{
    view_ = scrolledTo(view_, viewFollowing(view_.first, view_.span, frame, view_.totalFrames));
}

bool CutEditor::namePiece(std::size_t piece, std::string name)
{
    if (piece >= cuts_.pieces() || cuts_.pieceName(piece) == name) {
        return false;
    }
    CutChange change = changeOf(CutChange::Kind::Name, piece);
    change.nameBefore = cuts_.pieceName(piece);
    change.nameAfter = std::move(name);
    applyChange(cuts_, change);
    step(change);
    return true;
}

bool CutEditor::replaceAll(EditorCuts cuts)
{
    if (cuts == cuts_) {
        return false;
    }
    auto before = std::make_shared<const EditorCuts>(cuts_);
    auto after = std::make_shared<const EditorCuts>(std::move(cuts));
    cuts_ = *after;
    selected_.reset();
    CutChange change = changeOf(CutChange::Kind::Replace, 0);
    change.before = std::move(before);
    change.after = std::move(after);
    step(change);
    return true;
}

bool CutEditor::undo()
{
    cancelDrag();
    const CutChange* change = history_.undo(cuts_);
    if (change == nullptr) {
        return false;
    }
    selected_ = change->kind == CutChange::Kind::Move || change->kind == CutChange::Kind::Remove
                    ? std::optional<std::size_t>(change->index)
                    : std::nullopt;
    ++revision_;
    return true;
}

bool CutEditor::redo()
{
    cancelDrag();
    const CutChange* change = history_.redo(cuts_);
    if (change == nullptr) {
        return false;
    }
    selected_ = change->kind == CutChange::Kind::Move || change->kind == CutChange::Kind::Add
                    ? std::optional<std::size_t>(change->index)
                    : std::nullopt;
    ++revision_;
    return true;
}
