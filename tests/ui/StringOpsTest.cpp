#include "ui/StringOps.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(IsUtf8, TakesWellFormedUtf8AndNothingElse)
{
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"C:\\w\\m.wav", true},
        {"M\xC3\xBCller", true},             // Müller
        {"\xE9\x8C\xB2\xE9\x9F\xB3", true},  // 録音
        {"\xF0\x9F\x8E\xB5", true},          // U+1F3B5, four bytes
        {"\xEF\xBF\xBD", true},              // U+FFFD
        {"M\xFCller", false},                // Müller in Windows-1252
        {"caf\xE9", false},                  // café in Windows-1252, at the end
        {"\xE9\x8C", false},                 // a letter cut short
        {"\x80", false},                     // a continuation byte alone
        {"\xC0\xAF", false},                 // "/" overlong
        {"\xE0\x80\xAF", false},             // "/" overlong in three bytes
        {"\xED\xA0\x80", false},             // a UTF-16 surrogate
        {"\xF4\x90\x80\x80", false},         // beyond U+10FFFF
        {"\xFF", false},
    };
    for (const auto& [text, wellFormed] : cases) {
        EXPECT_EQ(isUtf8(text), wellFormed) << text;
    }
}

TEST(Utf16Length, CountsLettersAsWindowsCountsThem)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {"", 0},
        {"C:\\w\\m.wav", 10},
        {"M\xC3\xBCller", 6},                 // Müller
        {"\xE9\x8C\xB2\xE9\x9F\xB3.wav", 6},  // 録音.wav
        {"\xF0\x9F\x8E\xB5", 2},              // U+1F3B5: a surrogate pair
    };
    for (const auto& [text, length] : cases) {
        EXPECT_EQ(utf16Length(text), length) << text;
    }
}
