#include "marks/LabelList.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/BytesReader.h"

TEST(LabelList, CutsAtPointsOrMakesTheRegionsAndRefusesWhatItCannotRead)
{
    struct Case {
        const char* what;
        std::string text;
        std::uint32_t rate;
        std::uint64_t total;
        ChildSpans expected;
        std::string refusal;  // refusalText when refused
    };
    const std::vector<Case> cases = {
        {"points, with comma decimals, a line end of CR LF and a byte-order mark",
         "\xEF\xBB\xBF"
         "0.5\t0.5\tone\r\n1,25\t1,25\ttwo\r\n0\t0\tfirst\r\n",
         1000,
         3000,
         {{0, 500, "first"}, {500, 750, "one"}, {1250, 1750, "two"}},
         ""},
        {"half a frame rounds up, and a third less than half down; no text, and no tab before it",
         "0.0000625\t0.0000625\n0.1000416\t0.1000416\t\n",
         8000,
         8000,
         {{0, 1, ""}, {1, 799, ""}, {800, 7200, ""}},
         ""},
        {"regions in the order of their starts, overlapping and with gaps, cut by a point inside",
         "1\t2\tA\n0.5\t1.5\tB\n\\\t100\t200\n3\t5\t\n1.5\t1.5\tmid\n\n",
         10,
         50,
         {{5, 10, "B"}, {10, 5, "A"}, {15, 5, "mid"}, {30, 20, ""}},
         ""},
        {"a time that is not a number",
         "1\t2\tA\n\n1\tx\tB\n",
         10,
         50,
         {},
         "labels.txt, line 3: END \"x\" is not a number of seconds"},
        {"a negative time", "-1\t2\tA\n", 10, 50, {}, "labels.txt, line 1: START \"-1\" is not a number of seconds"},
        {"two decimal points",
         "1.2.3\t4\tA\n",
         10,
         50,
         {},
         "labels.txt, line 1: START \"1.2.3\" is not a number of seconds"},
        {"past the Mother's end",
         "1\t5.06\tA\n",
         10,
         50,
         {},
         "labels.txt, line 1: END \"5.06\" is past the Mother's end"},
        {"far past it",
         "99999999999999999999\t1\tA\n",
         10,
         50,
         {},
         "labels.txt, line 1: START \"99999999999999999999\" is past the Mother's end"},
        {"a region that ends before it starts",
         "3\t2\tA\n",
         10,
         50,
         {},
         "labels.txt, line 1: the region ends before it starts"},
        {"no tab", "1 2 A\n", 10, 50, {}, "labels.txt, line 1: no tab between START and END"},
        {"no label", "\n\n", 10, 50, {}, "labels.txt: no label in the list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MarksRead read = spansFromLabels(c.text, "labels.txt", c.rate, c.total);
        EXPECT_EQ(read.spans, c.expected);
        EXPECT_EQ(read.refusal ? refusalText(*read.refusal) : std::string(), c.refusal);
    }
}
