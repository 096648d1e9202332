#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FindCase {
    const char* what;
    std::string text;
    const char* key;
    long stop;          // -1: not found
    std::string value;  // when found
};

}  // namespace

TEST(SettingsText, FindKeyTakesTheFirstLineThatStartsWithTheKey)
{
    const std::string untouched = "untouched";
    const FindCase cases[] = {
        {"first line", "MOTHER=C:\\m.wav\r\nKIND=k\r\n", "MOTHER=", 15, "C:\\m.wav"},
        {"after CR LF", "MOTHER=m\r\nVORBILD=C:\\t.wav\r\nEOF", "VORBILD=", 26, "C:\\t.wav"},
        {"no CR after it", "MOTHER=m\r\nKIND=k", "KIND=", 17, "k"},
        {"lower case", "mother=m\r\n", "MOTHER=", -1, ""},
        {"after a blank", " MOTHER=m\r\n", "MOTHER=", -1, ""},
        {"inside a line", "XMOTHER=m\r\nKIND=MOTHER=k\r\n", "MOTHER=", -1, ""},
        {"two lines, first wins", "KIND=a\r\nKIND=b\r\n", "KIND=", 6, "a"},
        {"LF only runs on", "MOTHER=m\nVORBILD=t\nKIND=k\r\nEOF", "MOTHER=", 25, "m\nVORBILD=t\nKIND=k"},
        {"LF only, found after LF", "MOTHER=m\nKIND=k\n", "KIND=", 17, "k\n"},
        {"empty value", "MOTHER=\r\n", "MOTHER=", 7, ""},
        {"empty value at the end", "VORBILD=", "VORBILD=", 9, ""},
        {"key cut short by the end", "MOTH", "MOTHER=", -1, ""},
        {"empty text", "", "KIND=", -1, ""},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::string value = untouched;
        EXPECT_EQ(c.stop, findKey(c.key, c.text, value));
        EXPECT_EQ(c.stop < 0 ? untouched : c.value, value);
    }
}

TEST(SettingsText, NextLineStartAndEndsWith)
{
    EXPECT_EQ(4u, nextLineStart("ab\r\ncd", 0));
    EXPECT_EQ(4u, nextLineStart("ab\r\ncd", 3));
    EXPECT_EQ(0u, nextLineStart("ab\r\ncd", 4));
    EXPECT_EQ(0u, nextLineStart("abc", 0));
    EXPECT_EQ(0u, nextLineStart("a\n", 9));

    EXPECT_EQ(6, endsWith("C:\\w\\k.WAV", ".WAV"));
    EXPECT_EQ(-1, endsWith("C:\\w\\k.WAV", ".wav"));
    EXPECT_EQ(-1, endsWith("C:\\w\\k.wav2", ".wav"));
    EXPECT_EQ(0, endsWith(".wav", ".wav"));
    EXPECT_EQ(-1, endsWith("wav", ".wav"));
    EXPECT_EQ(3, endsWith("abc", ""));
}

TEST(SettingsText, RecordHoldsThreeLinesEofAndZerosTo1024Bytes)
{
    struct RecordCase {
        const char* childBaseName;
        std::string lines;
    };
    const RecordCase cases[] = {
        {"C:\\w\\k", "MOTHER=C:\\w\\m.wav\r\nVORBILD=C:\\w\\t.wav\r\nKIND=C:\\w\\k.wav\r\nEOF"},
        {"C:\\w\\k.WAV", "MOTHER=C:\\w\\m.wav\r\nVORBILD=C:\\w\\t.wav\r\nKIND=C:\\w\\k.WAV\r\nEOF"},
        {"C:\\w\\k.wav2", "MOTHER=C:\\w\\m.wav\r\nVORBILD=C:\\w\\t.wav\r\nKIND=C:\\w\\k.wav2.wav\r\nEOF"},
        {"C:\\w\\k.Wav", "MOTHER=C:\\w\\m.wav\r\nVORBILD=C:\\w\\t.wav\r\nKIND=C:\\w\\k.Wav.wav\r\nEOF"},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.childBaseName);
        const auto record = settingsRecord(settingsLines("C:\\w\\m.wav", "C:\\w\\t.wav", kindText(c.childBaseName)));
        ASSERT_TRUE(record.has_value());
        ASSERT_EQ(1024u, record->size());
        EXPECT_EQ(c.lines, record->substr(0, c.lines.size()));
        EXPECT_EQ(std::string(1024 - c.lines.size(), '\0'), record->substr(c.lines.size()));
    }
    const auto empty = settingsRecord(settingsLines("", "", kindText("")));
    ASSERT_TRUE(empty.has_value());
    const std::string emptyLines = "MOTHER=\r\nVORBILD=\r\nKIND=.wav\r\nEOF";
    EXPECT_EQ(emptyLines + std::string(1024 - emptyLines.size(), '\0'), *empty);
}

TEST(SettingsText, RecordTakesUpTo1024BytesOfLinesAndRefusesMore)
{
    // 7 + 2 + 8 + 2 + 5 + 4 + 2 + 3 = 33 bytes around the Mother's path.
    const std::string fits = settingsLines(std::string(991, 'm'), "", kindText(""));
    ASSERT_EQ(1024u, fits.size());
    EXPECT_EQ(fits, settingsRecord(fits));
    EXPECT_FALSE(settingsRecord(settingsLines(std::string(992, 'm'), "", kindText(""))).has_value());
}

// A value that is UTF-8 is taken as it stands; any other goes through the legacy code page.
TEST(SettingsText, ValuesThatAreNoUtf8AreReadInTheLegacyCodePage)
{
    const struct {
        std::string value;
        std::string taken;
        bool legacy;
    } cases[] = {
        {"C:\\Aufnahmen\\M\xC3\xBCller.wav", "C:\\Aufnahmen\\M\xC3\xBCller.wav", false},
        {"C:\\Aufnahmen\\M\xFCller.wav", "C:\\Aufnahmen\\M\xC3\xBCller.wav", true},
        {"C:\\\xE9\x8C\xB2\xE9\x9F\xB3.wav", "C:\\\xE9\x8C\xB2\xE9\x9F\xB3.wav", false},
        {"C:\\\xE9\x8C.wav", "C:\\\xC3\xA9\xC5\x92.wav", true},  // a letter cut short: é and Œ there
        {"C:\\w\\m.wav", "C:\\w\\m.wav", false},
    };
    // Windows-1252 for the few bytes above 127 these values hold.
    const auto windows1252 = [](std::string_view bytes) {
        std::string utf8;
        for (const char c : bytes) {
            switch (static_cast<unsigned char>(c)) {
            case 0xFC: utf8 += "\xC3\xBC"; break;
            case 0xE9: utf8 += "\xC3\xA9"; break;
            case 0x8C: utf8 += "\xC5\x92"; break;
            default: utf8 += c;
            }
        }
        return utf8;
    };
    for (const auto& c : cases) {
        int calls = 0;
        const std::string taken = valueAsUtf8(c.value, [&](std::string_view bytes) {
            ++calls;
            return windows1252(bytes);
        });
        EXPECT_EQ(taken, c.taken) << c.value;
        EXPECT_EQ(calls, c.legacy ? 1 : 0) << c.value;
    }
    // A text line by line: only the line that is no UTF-8 is converted.
    EXPECT_EQ(textAsUtf8("MOTHER=C:\\M\xFCller.wav\r\nKIND=C:\\\xE9\x8C\xB2\r\nEOF", windows1252),
              "MOTHER=C:\\M\xC3\xBCller.wav\r\nKIND=C:\\\xE9\x8C\xB2\r\nEOF");
}
