// Cutting at a label list: lines of START, a tab, END, a tab and a TEXT (which may be empty or
// missing), the times in seconds with `.` or `,` as the decimal point, as editors export them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "marks/MarksFile.h"

// A label whose END equals its START is a cut point; one whose END is after its START is a region.
// Without regions, the Children are the Mother cut at the points, from frame 0 to its end, as
// spansBetweenCuts makes them. With regions, the Children are the regions (overlapping or leaving
// gaps as they do) in the order of their starts, each cut at the points strictly inside it; a
// region's first Child is named by its TEXT, the others by the points' TEXT. Times round to the
// nearest frame (a half up); digits after the ninth decimal are not counted. Empty lines, and the
// lines of a backslash that give the frequencies of the label above, are passed over. Refused,
// naming the line: a time that is not a number, a time past the Mother's end, a region that ends
// before it starts; and a list without a label.
MarksRead spansFromLabels(std::string_view text, const std::string& fileName, std::uint32_t sampleRate,
                          std::uint64_t totalFrames);
