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

TEST(CutAtDot, EndsTheTextBeforeItsFirstDot)
{
    std::string path = "C:\\w\\song.part.wav";
    cutAtDot(path);
    EXPECT_EQ(path, "C:\\w\\song");
}

TEST(CutAtDot, CutsInsideAFolderNameAndLeavesDotlessTextAlone)
{
    std::string inFolder = "D:\\my.music\\take.wav";
    cutAtDot(inFolder);
    EXPECT_EQ(inFolder, "D:\\my");

    std::string noDot = "C:\\Takes\\song";
    cutAtDot(noDot);
    EXPECT_EQ(noDot, "C:\\Takes\\song");
}
