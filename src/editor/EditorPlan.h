// The editor's cuts as the split takes them: the cut request of frames given one by one, and the
// Children's names the one planning gives them, so that the editor shows exactly what SPLIT TO
// CHILDREN writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/CutRequest.h"
#include "editor/EditorCuts.h"
#include "split/SplitPlan.h"

// The cuts as the request's frames: a name of the first piece as a cut at frame 0.
std::vector<FrameCut> frameCutsOf(const EditorCuts& cuts);

// The cuts of a plan of this Mother (of any rule): where each Child but one at frame 0 starts,
// named by its title; a title of a Child at frame 0 names the first piece.
EditorCuts editorCutsOf(const SplitPlan& plan, const MotherSource& mother);

// The cuts of spans read from a list: each span's start (but 0) a cut, named by its title.
EditorCuts editorCutsOfSpans(const ChildSpans& spans, std::uint64_t totalFrames);

// The Mother's frames in the editor's (its own) time.
std::uint64_t framesOf(const MotherSource& mother);

// Each piece's Child name, the folder left out, as the split names it with this stem and
// numbering; empty for a piece the split does not write (before the first piece written).
std::vector<std::string> childNamesOf(const EditorCuts& cuts, const MotherSource& mother, const SpanChoice& choice,
                                      std::int32_t digits);
