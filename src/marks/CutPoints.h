// Cut points as Children: every rule that finds places to cut (markers, label points, a CUE
// sheet's tracks, silences) ends here, so that they all treat the edges and doubles alike.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wav/ChildSpan.h"

// A place to cut, in the Mother's frames, and the name it gives the Child that starts there.
struct CutPoint {
    std::uint64_t frame = 0;
    std::string title;
};

// The Children between the cuts, covering frame 0 to the Mother's end, in order. A cut at 0 or at
// the end or past it adds no Child, and cuts at the same frame are one; the first title given at a
// frame (the first not empty) names the Child starting there, so a point at 0 names the first
// Child. The cuts may come in any order. A Mother without frames has no Child.
ChildSpans spansBetweenCuts(std::vector<CutPoint> cuts, std::uint64_t totalFrames);
