#include "ui/Messages.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

TEST(MessageFormats, IntIsLeftAlignedInFourColumnsBetweenBlanks)
{
    EXPECT_EQ(formatInt(5), " 5    ");
    EXPECT_EQ(formatInt(10), " 10   ");
    EXPECT_EQ(formatInt(12345), " 12345 ");
    EXPECT_EQ(formatInt(-1), " -1   ");
}

TEST(MessageFormats, UnsignedQuantityOf2To31OrMoreShowsAsNegativeInt)
{
    const std::uint32_t big = 2147483648u;
    EXPECT_EQ(formatInt(static_cast<std::int32_t>(big)), " -2147483648 ");
    EXPECT_EQ(formatInt(static_cast<std::int32_t>(4294967295u)), " -1   ");
}

TEST(MessageFormats, UnsignedAndReal)
{
    EXPECT_EQ(formatUnsigned(24), "Wert = 24 ");
    EXPECT_EQ(formatUnsigned(4294967295u), "Wert = 4294967295 ");
    EXPECT_EQ(formatReal(1.0), " 1.00 ");
    EXPECT_EQ(formatReal(static_cast<double>(100.0f / 60.0f)), " 1.67 ");
    EXPECT_EQ(formatReal(0.0), " 0.00 ");
}

TEST(MessageBoxes, LabelIsTheCaptionAndTheValueTheText)
{
    FakePlatform fake;
    WindowRef owner = FakePlatform::MAIN_WINDOW;
    showNotice(fake, owner, " no CHILDS ");
    showText(fake, owner, " nothing selected by ", " CANCEL ");
    showInt(fake, owner, " BUFFER  = ", 1024);
    showUnsigned(fake, owner, "Vraw - posist  = ", 2);
    showReal(fake, owner, "duration minutes = ", 1.5);

    ASSERT_EQ(fake.boxes.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {" no CHILDS ", " no CHILDS "},     {" nothing selected by ", " CANCEL "}, {" BUFFER  = ", " 1024 "},
        {"Vraw - posist  = ", "Wert = 2 "}, {"duration minutes = ", " 1.50 "},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("box " + std::to_string(i));
        EXPECT_EQ(fake.boxes[i].owner, owner);
        EXPECT_EQ(fake.boxes[i].caption, expected[i].first);
        EXPECT_EQ(fake.boxes[i].text, expected[i].second);
    }
}
