#include "ui/StringOps.h"

#include <gtest/gtest.h>

TEST(FindChar, IndexOfFirstMatchOrMinusOne)
{
    EXPECT_EQ(findChar("0.1 sec =  * ", '*'), 11);
    EXPECT_EQ(findChar("*first", '*'), 0);
    EXPECT_EQ(findChar("a*b*c", '*'), 1);
    EXPECT_EQ(findChar("no star here", '*'), -1);
    EXPECT_EQ(findChar("", '*'), -1);
}

TEST(FindChar, NeverMatchesTheTerminatorNorLooksPastIt)
{
    EXPECT_EQ(findChar("text", '\0'), -1);
    EXPECT_EQ(findChar(std::string_view("ab\0c*", 5), '*'), -1);
}

TEST(CutFileNameAtDot, EndsThePathBeforeTheFirstDotOfItsFileNameOnly)
{
    const struct {
        const char* path;
        const char* stem;
    } cases[] = {
        {"C:\\w\\song.part.wav", "C:\\w\\song"},
        {"D:\\my.music\\take.wav", "D:\\my.music\\take"},
        {"C:\\Users\\john.doe\\kid", "C:\\Users\\john.doe\\kid"},  // no dot in the file name: kept whole
        {"/home/john.doe/kid.wav", "/home/john.doe/kid"},
        {"C:\\a.b/c.d\\e.wav", "C:\\a.b/c.d\\e"},
        {"take.wav", "take"},
        {"C:\\Takes\\song", "C:\\Takes\\song"},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        cutFileNameAtDot(path);
        EXPECT_EQ(path, c.stem) << c.path;
    }
}
