#include "marks/CutPoints.h"

#include <algorithm>

ChildSpans spansBetweenCuts(std::vector<CutPoint> cuts, std::uint64_t totalFrames)
{
    ChildSpans spans;
    if (totalFrames == 0) {
        return spans;
    }
    // Stable, so that of two cuts at one frame the one given first names the Child.
    std::stable_sort(cuts.begin(), cuts.end(), [](const CutPoint& a, const CutPoint& b) { return a.frame < b.frame; });
    spans.push_back({0, totalFrames, {}});
    for (const CutPoint& cut : cuts) {
        if (cut.frame >= totalFrames) {
            break;
        }
        ChildSpan& last = spans.back();
        if (cut.frame > last.firstFrame) {
            last.frames = cut.frame - last.firstFrame;
            spans.push_back({cut.frame, totalFrames - cut.frame, cut.title});
        } else if (last.title.empty()) {
            last.title = cut.title;
        }
    }
    return spans;
}
