// Undo and redo of the editor's cuts: every change is one step (a drag, a key press, a loaded
// list), kept as far back as the editor was opened with this Mother.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/EditorCuts.h"

struct CutChange {
    enum class Kind { Add, Remove, Move, Name, Replace };
    Kind kind = Kind::Add;
    std::size_t index = 0;  // the cut added, removed or moved; the piece named
    EditorCut cut;          // the cut added or removed
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    std::string nameBefore;
    std::string nameAfter;
    std::shared_ptr<const EditorCuts> before;  // a list replaced as a whole
    std::shared_ptr<const EditorCuts> after;
};

// Makes the change on the cuts (forward), or takes it back.
void applyChange(EditorCuts& cuts, const CutChange& change);
void revertChange(EditorCuts& cuts, const CutChange& change);

class CutHistory {
public:
    // A change already made: it becomes the step to undo, and nothing is left to redo.
    void record(CutChange change);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step taken back or made again; null when there is none.
    const CutChange* undo(EditorCuts& cuts);
    const CutChange* redo(EditorCuts& cuts);
    std::size_t steps() const { return done_; }

private:
    std::vector<CutChange> steps_;
    std::size_t done_ = 0;
};
