#include "common/cp1252.h"
#include "common/storable_text.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(StorableText, RefusesControlsAndWhatTheCodePageCannotHold)
{
    struct Case {
        QString text;
        std::optional<char32_t> first;
        QString kept;
    };
    const Case cases[] = {
        {QStringLiteral("Café €uro œuvre ÿ"), std::nullopt, QStringLiteral("Café €uro œuvre ÿ")},
        {QStringLiteral("ΑB"), U'\u0391', QStringLiteral("B")},
        {QString::fromUtf16(u"OCTO\u0000PUS", 8), U'\0', QStringLiteral("OCTOPUS")},
        {QStringLiteral("word\tclue\n"), U'\t', QStringLiteral("wordclue")},
        {QStringLiteral("del\u007f c1\u0081 \u0090"), U'\u007f', QStringLiteral("del c1 ")},
        {QString::fromUtf8("smile \xF0\x9F\x98\x80 ok"), U'\U0001F600', QStringLiteral("smile  ok")},
        {QString(QChar(0xD800)) + QStringLiteral("x"), char32_t(0xD800), QStringLiteral("x")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(firstUnstorable(c.text), c.first) << c.text.toStdString();
        EXPECT_EQ(withoutUnstorable(c.text), c.kept) << c.text.toStdString();
    }
}

TEST(StorableText, ControlBytesAreC0DelAndTheUndefinedBytes)
{
    std::string controls;
    for (int b = 0; b < 256; ++b) {
        if (isControlByte(static_cast<uint8_t>(b)))
            controls.push_back(static_cast<char>(b));
    }
    std::string expected;
    for (int b = 0; b < 0x20; ++b)
        expected.push_back(static_cast<char>(b));
    expected += "\x7F\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(controls, expected);
    // Agrees with the rule on decoded text: every other byte decodes to a storable character.
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(firstUnstorable(cp1252::toUnicode(byte)).has_value(), isControlByte(static_cast<uint8_t>(b))) << b;
    }
    EXPECT_EQ(firstControlByte(std::string("OCTO\0PUS", 8)), uint8_t(0));
    EXPECT_EQ(firstControlByte("Caf\xE9"), std::nullopt);
}

TEST(StorableText, TheMessageNamesTheCharacterAndItsCode)
{
    EXPECT_EQ(refusedCharacterText(U'\u0391'),
              QStringLiteral("The character \"\u0391\" (U+0391) cannot be stored in a puzzle."));
    EXPECT_EQ(refusedCharacterText(U'\a'), QStringLiteral("The character U+0007 cannot be stored in a puzzle."));
    EXPECT_EQ(refusedCharacterText(U'\U0001F600', StoredTextKind::ShapeName),
              QString::fromUtf8("The character \"\xF0\x9F\x98\x80\" (U+1F600) cannot be stored in a shape name."));
    EXPECT_EQ(refusedCharacterText(U'\u009D', StoredTextKind::Heading),
              QStringLiteral("The character U+009D cannot be used in a heading."));
}
