#include "marks/MarkerCuts.h"

#include <utility>

#include "marks/CutPoints.h"

ChildSpans spansAtMarkers(const std::vector<WavMarker>& markers, std::uint64_t totalFrames)
{
    std::vector<CutPoint> cuts;
    cuts.reserve(markers.size());
    for (const WavMarker& marker : markers) {
        cuts.push_back({marker.frame, marker.label});
    }
    return spansBetweenCuts(std::move(cuts), totalFrames);
}
