#include "editor/CutHistory.h"

#include <utility>

void applyChange(EditorCuts& cuts, const CutChange& change)
{
    switch (change.kind) {
    case CutChange::Kind::Add: cuts.insert(change.cut); break;
    case CutChange::Kind::Remove: cuts.erase(change.index); break;
    case CutChange::Kind::Move: cuts.moveTo(change.index, change.to); break;
    case CutChange::Kind::Name: cuts.setPieceName(change.index, change.nameAfter); break;
    case CutChange::Kind::Replace: cuts = *change.after; break;
    }
}

void revertChange(EditorCuts& cuts, const CutChange& change)
{
    switch (change.kind) {
    case CutChange::Kind::Add: cuts.erase(change.index); break;
    case CutChange::Kind::Remove: cuts.insert(change.cut); break;
    case CutChange::Kind::Move: cuts.moveTo(change.index, change.from); break;
    case CutChange::Kind::Name: cuts.setPieceName(change.index, change.nameBefore); break;
    case CutChange::Kind::Replace: cuts = *change.before; break;
    }
}

void CutHistory::record(CutChange change)
{
    steps_.resize(done_);
    steps_.push_back(std::move(change));
    done_ = steps_.size();
}

const CutChange* CutHistory::undo(EditorCuts& cuts)
{
    if (!canUndo()) {
        return nullptr;
    }
    --done_;
    revertChange(cuts, steps_[done_]);
    return &steps_[done_];
}

const CutChange* CutHistory::redo(EditorCuts& cuts)
{
    if (!canRedo()) {
        return nullptr;
    }
    applyChange(cuts, steps_[done_]);
    return &steps_[done_++];
}
