// The rules that cut where a recording says (its markers, a label list, a CUE sheet, its
// silences), as the planning of a cut in the Mother's own time reads them, and the Mother's
// metadata its Children carry.
#pragma once

#include <optional>
#include <string>

#include "core/CutRequest.h"
#include "planning/CutPlanning.h"
#include "planning/SplitPlan.h"
#include "wav/WavMetadata.h"

// The Mother's markers, bext and iXML, read from its file; none found when it cannot be read.
WavMetadata readMotherMetadata(const std::string& path);

// The Children of the request's rule, each title fitted into its Child's name (the Children
// numbered on from the request's first number after its stem); none after setting the refusal in
// `cut`. When the silences give no cut, `cut` says so too.
std::optional<ChildSpans> spansAtMarks(const CutRequest& request, const MotherSource& mother, PlannedCut& cut);
