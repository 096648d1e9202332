// Cutting at the markers a recorder or editor wrote into the Mother.
#pragma once

#include <cstdint>
#include <vector>

#include "wav/ChildSpan.h"
#include "wav/WavMetadata.h"

// A cut at every marker's frame, the Child starting there named by its label: the Children cover
// frame 0 to the end, as spansBetweenCuts makes them.
ChildSpans spansAtMarkers(const std::vector<WavMarker>& markers, std::uint64_t totalFrames);
