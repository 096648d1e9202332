// The cuts of the editor: frames of the Mother, in order, none at frame 0 or at its end and no
// two at one frame, each naming the piece that starts at it; the first piece's name stands apart.
// A cut is always a frame, never a pixel: the view only finds frames for pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct EditorCut {
    std::uint64_t frame = 0;
    std::string name;  // of the piece that starts here; empty for none

    friend bool operator==(const EditorCut&, const EditorCut&) = default;
};

class EditorCuts {
public:
    EditorCuts() = default;
    explicit EditorCuts(std::uint64_t totalFrames) : totalFrames_(totalFrames) {}

    std::uint64_t totalFrames() const { return totalFrames_; }
    const std::vector<EditorCut>& cuts() const { return cuts_; }
    std::size_t size() const { return cuts_.size(); }
    std::size_t pieces() const { return cuts_.size() + 1; }

    // Whether a cut may stand at the frame: inside the Mother and not on another cut.
    bool allows(std::uint64_t frame) const;
    // The new cut's index; none when the frame is refused.
    std::optional<std::size_t> insert(EditorCut cut);
    EditorCut erase(std::size_t index);
    // The frame kept within one frame of the neighbours (and of the Mother's ends).
    std::uint64_t clampFor(std::size_t index, std::uint64_t frame) const;
    // Moves the cut to the clamped frame and gives that frame; the order stays as it was.
    std::uint64_t moveTo(std::size_t index, std::uint64_t frame);

    // The piece that holds the frame: the number of cuts at or before it.
    std::size_t pieceAt(std::uint64_t frame) const;
    const std::string& pieceName(std::size_t piece) const;
    void setPieceName(std::size_t piece, std::string name);
    // The first frame of a piece, and the frame after its last.
    std::uint64_t pieceStart(std::size_t piece) const;
    std::uint64_t pieceEnd(std::size_t piece) const;

    // The cut nearest the frame, when one is at most `within` frames from it.
    std::optional<std::size_t> nearest(std::uint64_t frame, std::uint64_t within) const;
    // The index of the first cut at or after the frame.
    std::size_t firstFrom(std::uint64_t frame) const;

    friend bool operator==(const EditorCuts&, const EditorCuts&) = default;

private:
    std::uint64_t totalFrames_ = 0;
    std::string firstName_;
    std::vector<EditorCut> cuts_;
};
