#include "planning/ChildNaming.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
    const char* stem;
    std::int32_t number;
    const char* expected;
    std::uint32_t digits = 0;
};

}  // namespace

TEST(ComposeChildName, StemNumberAndThreeLettersOfTheExtension)
{
    const NameCase cases[] = {
        {"C:\\Takes\\song", 1, "C:\\Takes\\song1.WAV"},
        {"C:\\Takes\\song", 12, "C:\\Takes\\song12.WAV"},
        {"D:\\my", 1, "D:\\my1.WAV"},
        {"C:\\Takes\\song", 2147483647, "C:\\Takes\\song2147483647.WAV"},
        // No number at all for 0 and below: never a sign in a file name.
        {"C:\\Takes\\song", 0, "C:\\Takes\\song.WAV"},
        {"C:\\Takes\\song", -5, "C:\\Takes\\song.WAV"},
        {"", 3, "3.WAV"},
        // Padded so that names sort as the Children follow; a longer number keeps its digits.
        {"take", 7, "take007.WAV", 3},
        {"take", 60000, "take60000.WAV", 3},
        {"take", 0, "take.WAV", 3},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.expected);
        std::string name = "left over from before";
        composeChildName(name, c.stem, c.number, "WAV", c.digits);
        EXPECT_EQ(name, c.expected);
    }
    std::string name;
    composeChildName(name, "x", 1, "WAVE");
    EXPECT_EQ(name, "x1.WAV");
}

TEST(NextChildName, NamesIntoTheBaseNameAndAdvancesTheNumber)
{
    AppState state;
    state.childStem = "/takes/song";
    state.childNumber = 9;
    nextChildName(state);
    EXPECT_EQ(state.childBaseName, "/takes/song9.WAV");
    nextChildName(state);
    EXPECT_EQ(state.childBaseName, "/takes/song10.WAV");
    EXPECT_EQ(state.childNumber, 11);
    EXPECT_EQ(state.childStem, "/takes/song");
}
