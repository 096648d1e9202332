// A Child as a cut rule of the Mother's own time gives it: where it starts and how long it is, in
// the Mother's frames, and the name its start carries (a marker's label, a label list's text, a
// track's title), empty when it has none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ChildSpan {
    std::uint64_t firstFrame = 0;
    std::uint64_t frames = 0;
    std::string title;

    friend bool operator==(const ChildSpan&, const ChildSpan&) = default;
};

using ChildSpans = std::vector<ChildSpan>;
