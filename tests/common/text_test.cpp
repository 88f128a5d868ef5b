#include "common/cp1252.h"
#include "common/text.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(copyName, FollowsTheNumberingRule)
{
    EXPECT_EQ(copyName("Birds", 35), "Birds (2)");
    EXPECT_EQ(copyName("Birds (2)", 35), "Birds (3)");
    EXPECT_EQ(copyName("Birds (x)", 35), "Birds (x) (2)");
    EXPECT_EQ(copyName("Birds (3x)", 35), "Birds (4)");
    EXPECT_EQ(copyName("A (1) (4)", 35), "A (2)");
    EXPECT_EQ(copyName("Birds (0)", 35), "Birds (0) (2)");
    EXPECT_EQ(copyName("Birds (12)", 35), "Birds (13)");
    EXPECT_EQ(copyName("Birds (-3)", 35), "Birds (-3) (2)");
    EXPECT_EQ(copyName("Birds ($A)", 35), "Birds (11)");
    EXPECT_EQ(copyName("Birds ( 5)", 35), "Birds (6)");
    EXPECT_EQ(copyName("  Star (2)  ", 50), "Star (3)");
    EXPECT_EQ(copyName("Star", 50), "Star (2)");
    EXPECT_EQ(copyName("", 20), " (2)");
}

TEST(copyName, IsCutToTheCapacity)
{
    const std::string name(50, 'x');
    EXPECT_EQ(copyName(name, 50), name);
    EXPECT_EQ(copyName("Nineteen characters", 20), "Nineteen characters ");
    EXPECT_EQ(copyName("Page (2147483647)", 20), "Page (2147483648)");
}

TEST(ReadNumber, StopsAtTheFirstOtherCharacter)
{
    EXPECT_EQ(readNumber("12"), 12);
    EXPECT_EQ(readNumber("12a"), 12);
    EXPECT_EQ(readNumber("   42"), 42);
    EXPECT_EQ(readNumber("+7"), 7);
    EXPECT_EQ(readNumber("$1F"), 31);
    EXPECT_EQ(readNumber("$1g"), 1);
    EXPECT_EQ(readNumber("abc"), 0);
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("-"), 0);
    EXPECT_EQ(readNumber("99999999999999"), 2147483647);
}

TEST(ReadNumber, TheMinusSignCountsOnlyForAWholeValidNumber)
{
    EXPECT_EQ(readNumber("-12"), -12);
    EXPECT_EQ(readNumber(" -7"), -7);
    EXPECT_EQ(readNumber("-$10"), -16);
    EXPECT_EQ(readNumber("-12a"), 12);
    EXPECT_EQ(readNumber("-12 "), 12);
    EXPECT_EQ(readNumber("-99999999999"), -2147483648LL);
}

TEST(TrimSpaces, OnlyTheSpaceCharacterCounts)
{
    EXPECT_EQ(trimSpaces("  Animals  "), "Animals");
    EXPECT_EQ(trimSpaces("\tTab\t"), "\tTab\t");
    EXPECT_EQ(trimSpaces("    "), "");
    EXPECT_EQ(trimSpaces("a b"), "a b");
}

TEST(Cp1252, EveryByteConvertsAndConvertsBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = cp1252::toUnicode(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(cp1252::fromUnicode(text), all);
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefusedNotChanged)
{
    EXPECT_FALSE(cp1252::fromUnicode(QStringLiteral("Ω")).has_value());
    EXPECT_EQ(cp1252::firstUnencodable(QStringLiteral("café Ω ok")), QStringLiteral("Ω"));
    EXPECT_EQ(cp1252::firstUnencodable(QString::fromUtf8("a\xF0\x9F\x98\x80")), QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_TRUE(cp1252::firstUnencodable(QStringLiteral("€uro œuvre")).isEmpty());
    EXPECT_EQ(cp1252::toUtf8("Caf\xE9"), "Café");
}
