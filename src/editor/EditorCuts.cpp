#include "editor/EditorCuts.h"

#include <algorithm>
#include <utility>

std::size_t EditorCuts::firstFrom(std::uint64_t frame) const
{
    return static_cast<std::size_t>(std::lower_bound(cuts_.begin(), cuts_.end(), frame,
                                                     [](const EditorCut& c, std::uint64_t f) { return c.frame < f; }) -
                                    cuts_.begin());
}

bool EditorCuts::allows(std::uint64_t frame) const
{
    if (frame == 0 || frame >= totalFrames_) {
        return false;
    }
    const std::size_t at = firstFrom(frame);
    return at == cuts_.size() || cuts_[at].frame != frame;
}

std::optional<std::size_t> EditorCuts::insert(EditorCut cut)
{
    if (!allows(cut.frame)) {
        return std::nullopt;
    }
    const std::size_t at = firstFrom(cut.frame);
    cuts_.insert(cuts_.begin() + static_cast<std::ptrdiff_t>(at), std::move(cut));
    return at;
}

EditorCut EditorCuts::erase(std::size_t index)
{
    EditorCut gone = std::move(cuts_[index]);
    cuts_.erase(cuts_.begin() + static_cast<std::ptrdiff_t>(index));
    return gone;
}

std::uint64_t EditorCuts::clampFor(std::size_t index, std::uint64_t frame) const
{
    const std::uint64_t low = index == 0 ? 1 : cuts_[index - 1].frame + 1;
    const std::uint64_t high = index + 1 == cuts_.size() ? totalFrames_ - 1 : cuts_[index + 1].frame - 1;
    return std::clamp(frame, low, high);
}

std::uint64_t EditorCuts::moveTo(std::size_t index, std::uint64_t frame)
{
    cuts_[index].frame = clampFor(index, frame);
    return cuts_[index].frame;
}

std::size_t EditorCuts::pieceAt(std::uint64_t frame) const
{
    return static_cast<std::size_t>(std::upper_bound(cuts_.begin(), cuts_.end(), frame,
                                                     [](std::uint64_t f, const EditorCut& c) { return f < c.frame; }) -
                                    cuts_.begin());
}

const std::string& EditorCuts::pieceName(std::size_t piece) const
{
    return piece == 0 ? firstName_ : cuts_[piece - 1].name;
}

void EditorCuts::setPieceName(std::size_t piece, std::string name)
{
    (piece == 0 ? firstName_ : cuts_[piece - 1].name) = std::move(name);
}

std::uint64_t EditorCuts::pieceStart(std::size_t piece) const { return piece == 0 ? 0 : cuts_[piece - 1].frame; }

std::uint64_t EditorCuts::pieceEnd(std::size_t piece) const
{
    return piece < cuts_.size() ? cuts_[piece].frame : totalFrames_;
}

std::optional<std::size_t> EditorCuts::nearest(std::uint64_t frame, std::uint64_t within) const
{
    const std::size_t after = firstFrom(frame);
    std::optional<std::size_t> best;
    std::uint64_t bestDistance = within;
    // The earlier of two at the same distance wins.
    if (after > 0 && frame - cuts_[after - 1].frame <= bestDistance) {
        best = after - 1;
        bestDistance = frame - cuts_[after - 1].frame;
    }
    if (after < cuts_.size() && cuts_[after].frame - frame <= within &&
        (!best || cuts_[after].frame - frame < bestDistance)) {
        best = after;
    }
    return best;
}
