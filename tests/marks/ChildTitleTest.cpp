#include "marks/ChildTitle.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ChildTitle, NamesTheChildWithItsTitleMadeSafeAndCutToTheRoomLeft)
{
    const std::string folder = "C:\\" + std::string(240, 'd') + "\\s";  // 245 units: 8 left in 259 with "1-" and ".WAV"
    struct Case {
        const char* what;
        std::string stem;
        std::int32_t number;
        std::string title;
        NameLimits limits;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"forbidden characters", "out/take", 3, "Intro: A/B?", POSIX_NAME_LIMITS, "out/take3-Intro_ A_B_.WAV"},
        {"every forbidden one and the control characters", "t", 1, "\\/:*?\"<>|\x01\x1F\x7F\tok", WINDOWS_NAME_LIMITS,
         "t1-_____________ok.WAV"},
        {"letters of other scripts stay", "t", 2, "Café Ярмарка", WINDOWS_NAME_LIMITS, "t2-Café Ярмарка.WAV"},
        {"no title", "out/take", 3, "", POSIX_NAME_LIMITS, "out/take3.WAV"},
        {"no number", "take", 0, "x", POSIX_NAME_LIMITS, "take-x.WAV"},
        {"cut to a name of 255 bytes", "dir/t", 1, std::string(300, 'a'), POSIX_NAME_LIMITS,
         "dir/t1-" + std::string(248, 'a') + ".WAV"},
        {"cut to a path of 259 units", folder, 1, "abcdefghijkl", WINDOWS_NAME_LIMITS, folder + "1-abcdefgh.WAV"},
        // é is one unit in two bytes, the emoji two units in four bytes: never cut inside either.
        {"cut between whole characters", folder, 1,
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
         "\xF0\x9F\x98\x80",
         WINDOWS_NAME_LIMITS, folder + "1-\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9.WAV"},
        {"no room for one character", folder + "dddddddd", 1, "x", WINDOWS_NAME_LIMITS, folder + "dddddddd1.WAV"},
        {"bytes on Linux", "/" + std::string(4083, 'd') + "/s", 1, "\xC3\xA9\xC3\xA9x", POSIX_NAME_LIMITS,
         "/" + std::string(4083, 'd') + "/s1-\xC3\xA9.WAV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(titledChildName(c.stem, c.number, c.title, c.limits), c.expected);
    }
}
