// The cut the window's record holds, planned: by the window's rules for a length, a count or a
// template, or, for a cut at the marks (the Marks menu's and the cut editor's), by the command
// line's rules from a request made of the record's fields. The split, Preview CUTs, WAVESHOW's
// marks and the cut editor all plan the record here, so that they show and write the same cuts.
#pragma once

#include <cstdint>
#include <string>

#include "core/AppState.h"
#include "planning/CutPlanning.h"

// The marks a Marks command asks for, in the record's fields.
struct MarksChoice {
    CutRule rule = CutRule::None;
    std::string path;
    std::uint32_t belowDb = 0;
    std::uint32_t shortestMs = 0;
    std::uint32_t clockMinutes = 0;
};

// The request of those marks with the record's first piece, numbering, stem and copy block (and
// the cut editor's frames).
CutRequest marksRequestOf(const MarksChoice& marks, const CutRecord& cut, const NamesAndPicks& names);

// The record's cut at its marks, for the Mother LOAD took, read afresh.
PlannedCut planMarksOfRecord(const MotherRecord& mother, const CutRecord& cut, const NamesAndPicks& names);

// The window's plan of the record as it stands: its Mother, piece length, start pattern, copy
// block and header, numbering and stem; or, after a Marks command or the cut editor's change, its
// cut at the marks, which the Mother or the file of marks may refuse by now.
PlannedCut planOfRecord(const MotherRecord& mother, const CutRecord& cut, const NamesAndPicks& names);
