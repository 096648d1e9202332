#include "marks/MarkerCuts.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/BytesReader.h"

TEST(MarkerCuts, CutsAtEveryMarkerInsideTheMotherOnceFromFrameZero)
{
    struct Case {
        const char* what;
        std::vector<WavMarker> markers;
        std::uint64_t total;
        ChildSpans expected;
    };
    const std::vector<Case> cases = {
        {"no marker: the whole Mother", {}, 1000, {{0, 1000, ""}}},
        {"a marker at 0 names the first Child and adds no cut",
         {{1, 0, "start"}, {2, 400, "a"}},
         1000,
         {{0, 400, "start"}, {400, 600, "a"}}},
        {"at the end and past it: no cut",
         {{1, 1000, "end"}, {2, 5000, "far"}, {3, 999, ""}},
         1000,
         {{0, 999, ""}, {999, 1, ""}}},
        {"doubled: one cut, named by the label it has",
         {{1, 400, ""}, {2, 400, "b"}, {3, 400, "c"}},
         1000,
         {{0, 400, ""}, {400, 600, "b"}}},
        {"unsorted", {{1, 700, "c"}, {2, 300, "a"}}, 1000, {{0, 300, ""}, {300, 400, "a"}, {700, 300, "c"}}},
        {"a Mother without frames has no Child", {{1, 0, "x"}}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(spansAtMarkers(c.markers, c.total), c.expected);
    }
}
