// The rules that cut where a recording says (its markers, a label list, a CUE sheet, its
// silences), as the planning of a cut in the Mother's own time reads them, and the Mother's
// metadata its Children carry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/CutRequest.h"
#include "split/CutPlanning.h"
#include "split/SplitPlan.h"
#include "wav/WavMetadata.h"

// The Mother's markers, bext and iXML, read from its file; none found when it cannot be read.
WavMetadata readMotherMetadata(const std::string& path);

// The Children of the request's rule, each title fitted into its Child's name (the Children
// numbered on from the request's first number after its stem); none after setting the refusal in
// `cut`. When the silences give no cut, `cut` says so too.
std::optional<ChildSpans> spansAtMarks(const CutRequest& request, const MotherSource& mother, PlannedCut& cut);

// The Children between cuts given one by one, each named by the name its cut gives.
ChildSpans spansAtFrames(const std::vector<FrameCut>& cuts, std::uint64_t totalFrames);

// The spans a label list or a CUE sheet (the request's rule and file) gives a Mother of so many
// frames at this rate, their titles as the file writes them; none after setting the refusal.
std::optional<ChildSpans> spansOfMarksFile(const CutRequest& request, std::uint32_t rate, std::uint64_t frames,
                                           PlannedCut& cut);
