// What the object menu does to a layout, apart from its windows: deleting and reordering slots,
// the commands each kind offers, the size and position arithmetic, the split-columns rule and the
// stored form of an object's text.
#include "layout/object_edits.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace qx;

namespace {

// A layout whose slots are told apart by their labels "A", "B", ...; the slot after the last one
// in use holds a stale object that must stay where it is.
PageLayout lettered(int count)
{
    PageLayout p;
    for (int k = 0; k < PageLayout::MaxObjects; ++k) {
        p.Objects[static_cast<size_t>(k)].Kind = static_cast<int16_t>(1 + k % 13);
        p.Objects[static_cast<size_t>(k)].ObjectLabel.set(std::string(1, static_cast<char>('A' + k)));
    }
    p.ObjectCount = static_cast<int16_t>(count);
    return p;
}

std::string order(const PageLayout &p)
{
    std::string out;
    for (int k = 0; k < p.objectsInUse(); ++k)
        out += p.Objects[static_cast<size_t>(k)].ObjectLabel.str();
    return out + "|" + p.Objects[static_cast<size_t>(p.objectsInUse())].ObjectLabel.str();
}

} // namespace

TEST(ObjectOrder, DeleteFrontAndBackMoveTheOtherSlotsAndNeverTouchStaleOnes)
{
    using Op = bool (*)(PageLayout &, int);
    const struct {
        Op op;
        int count;
        int target;
        bool done;
        const char *expected; // the slots in use, then "|" and the first slot beyond them
    } cases[] = {
        {deleteObject, 5, 2, true, "ACDE|E"},   {deleteObject, 5, 5, true, "ABCD|E"},
        {deleteObject, 1, 1, true, "|A"},       {deleteObject, 5, 6, false, "ABCDE|F"},
        {deleteObject, 5, 0, false, "ABCDE|F"}, {bringToFront, 5, 2, true, "ACDEB|F"},
        {bringToFront, 5, 5, true, "ABCDE|F"}, // the last stays last
        {bringToFront, 5, 1, true, "BCDEA|F"},  {sendToBack, 5, 4, true, "DABCE|F"},
        {sendToBack, 5, 1, true, "ABCDE|F"}, // the first stays first
        {sendToBack, 5, 5, true, "EABCD|F"},    {sendToBack, 5, 6, false, "ABCDE|F"},
        {bringToFront, 0, 1, false, "|A"},
    };
    for (const auto &c : cases) {
        PageLayout p = lettered(c.count);
        EXPECT_EQ(c.op(p, c.target), c.done) << c.expected;
        EXPECT_EQ(order(p), c.expected);
    }
    // A damaged count beyond the slots is read as the 20 slots there are.
    PageLayout damaged = lettered(20);
    damaged.ObjectCount = 300;
    EXPECT_TRUE(deleteObject(damaged, 1));
    EXPECT_EQ(damaged.ObjectCount, 19);
}

TEST(ObjectMenuCommands, EachKindOffersItsOwnCommands)
{
    using C = ObjectCommand;
    // S size and position, P properties, O border, F fill, T change text, A the three alignments,
    // N text font, U clue number font, B load bitmap; delete and the two reorderings always.
    const std::string byKind[] = {"SPOAN", "SPNU", "SPOTAN", "SPOTAN", "SPON", "SPON", "SPON",
                                  "SPOAN", "SPON", "SPOTAN", "SOB",    "SOF",  "SOF"};
    const std::pair<C, char> letters[] = {{C::SizePosition, 'S'}, {C::Properties, 'P'}, {C::Border, 'O'},
                                          {C::Fill, 'F'},         {C::ChangeText, 'T'}, {C::AlignLeft, 'A'},
                                          {C::AlignCenter, 'A'},  {C::AlignRight, 'A'}, {C::TextFont, 'N'},
                                          {C::NumberFont, 'U'},   {C::LoadBitmap, 'B'}};
    for (int16_t kind = 0; kind <= 14; ++kind) {
        const std::string offered = kind >= 1 && kind <= 13 ? byKind[kind - 1] : "S";
        for (const auto &[command, letter] : letters)
            EXPECT_EQ(commandOffered(kind, command), offered.find(letter) != std::string::npos)
                << "kind " << kind << " command " << letter;
        for (const C always : {C::Delete, C::BringToFront, C::SendToBack})
            EXPECT_TRUE(commandOffered(kind, always)) << "kind " << kind;
    }
}

TEST(SizePosition, ShowsThreeDecimalsAndReadsBackTheSameUnits)
{
    EXPECT_EQ(pageUnitText(108, 72), QStringLiteral("1.500"));
    EXPECT_EQ(pageUnitText(100, 72), QStringLiteral("1.389"));
    EXPECT_EQ(pageUnitText(-7, 20), QStringLiteral("-0.350"));
    EXPECT_EQ(pageUnitText(int64_t{2000000000} * 2, 48), QStringLiteral("83333333.333"));
    // Whatever the bounds, their shown values read back as the same bounds at every scale.
    for (const int u : {20, 30, 40, 48, 72, 96}) {
        for (const std::array<int32_t, 4> b : {std::array<int32_t, 4>{0, 0, 1, 1},
                                               {100, 133, 299, 400},
                                               {7, 9, 1000007, 2000009},
                                               {2000000000, 5, 2147483647, 6}}) {
            SizePositionEntry e{{pageUnitText(b[0], u), pageUnitText(b[1], u), pageUnitText(int64_t{b[2]} - b[0], u),
                                 pageUnitText(int64_t{b[3]} - b[1], u)}};
            const SizePositionReading r = readSizePosition(e, u, 1, 1);
            EXPECT_FALSE(r.invalid) << u;
            EXPECT_EQ(r.bounds, b) << u;
        }
    }
}

TEST(SizePosition, RoundsHalfToEvenAndRefusesWhatIsNoSize)
{
    const auto L = SizeBox::Left, T = SizeBox::Top, W = SizeBox::Width, H = SizeBox::Height;
    const struct {
        std::array<const char *, 4> texts;
        int u;
        std::optional<SizeBox> invalid;
        std::array<int32_t, 4> bounds;
        bool offPage;
    } cases[] = {
        {{"1.5", "0", "2", "1"}, 72, {}, {108, 0, 252, 72}, false},
        {{" 1.5 ", "+.5", "2.", "0.25"}, 72, {}, {108, 36, 252, 54}, false},
        // 48 x 0.03125 = 1.5 and 48 x 0.0520833.. below a half: halves go to the even neighbour.
        {{"0.03125", "0.09375", "0.03125", "0.010416"}, 48, {}, {2, 4, 4, 4}, false},
        {{"0.025", "0.075", "1", "1"}, 20, {}, {0, 2, 20, 22}, false},
        {{"8.5", "0", "1", "1"}, 48, {}, {408, 0, 456, 48}, true}, // left at the page's width
        {{"0", "11", "1", "1"}, 48, {}, {0, 528, 48, 576}, true},
        {{"8.49", "10.99", "1", "1"}, 48, {}, {408, 528, 456, 576}, true},
        {{"8.47", "10.97", "1", "1"}, 48, {}, {407, 527, 455, 575}, false},
        {{"-0.1", "0", "1", "1"}, 72, L, {}, false},
        {{"", "0", "1", "1"}, 72, L, {}, false},
        {{"1", "x", "1", "1"}, 72, T, {}, false},
        {{"1", "1", "0", "1"}, 72, W, {}, false},
        {{"1", "1", "1", "-1"}, 72, H, {}, false},
        {{"1", "1", "1", "0.000"}, 72, H, {}, false},
        {{"1e300", "0", "1", "1"}, 72, L, {}, false},
        {{"1", "inf", "1", "1"}, 72, T, {}, false},
        {{"1", "1", "nan", "1"}, 72, W, {}, false},
        {{"1", "1", "1", "1e2"}, 72, H, {}, false},
        {{"1,5", "1", "1", "1"}, 72, L, {}, false},
        {{"1.5.", "1", "1", "1"}, 72, L, {}, false},
        {{"-", "1", "1", "1"}, 72, L, {}, false},
        {{"0x10", "1", "1", "1"}, 72, L, {}, false},
        // Units beyond 32 bits, for the value itself or for the far edge made from it.
        {{"44739243", "0", "1", "1"}, 48, L, {}, false},
        {{"44739242", "0", "0.64", "1"}, 48, {}, {2147483616, 0, 2147483647, 48}, true},
        {{"44739242", "0", "0.66", "1"}, 48, W, {}, false},
        {{"0", "0", "1", "99999999999"}, 48, H, {}, false},
    };
    for (const auto &c : cases) {
        SizePositionEntry e;
        for (size_t i = 0; i < 4; ++i)
            e.texts[i] = QString::fromLatin1(c.texts[i]);
        const SizePositionReading r = readSizePosition(e, c.u, 408, 528);
        const std::string name = std::string(c.texts[0]) + " " + c.texts[1] + " " + c.texts[2] + " " + c.texts[3];
        EXPECT_EQ(r.invalid, c.invalid) << name;
        if (!c.invalid && !r.invalid) {
            EXPECT_EQ(r.bounds, c.bounds) << name;
            EXPECT_EQ(r.offPage, c.offPage) << name;
        }
    }
}

TEST(ObjectProperties, SplitEvensTheColumnsAndOkWantsAWholeNumberAboveZero)
{
    const std::pair<const char *, const char *> split[] = {
        {"1", "0"}, {"5", "4"},  {"4", "4"},  {"0", "2"},       {"", "2"},
        {"x", "2"}, {" 3", "2"}, {"7z", "6"}, {"3000", "3000"},
    };
    for (const auto &[box, after] : split)
        EXPECT_EQ(splitColumnsText(QString::fromLatin1(box)), QString::fromLatin1(after)) << box;

    const std::pair<const char *, std::optional<int>> whole[] = {
        {"1", 1},   {" 9 ", 9},  {"0", {}},        {"", {}},      {"a", {}},
        {"-1", {}}, {"1.0", {}}, {"32767", 32767}, {"32768", {}}, {"99999999999", {}},
    };
    for (const auto &[box, value] : whole)
        EXPECT_EQ(positiveWholeNumber(QString::fromLatin1(box), 32767), value) << box;
}

TEST(ObjectText, IsShownAsLinesAndStoredWithCrLfCutTo999)
{
    EXPECT_EQ(objectTextLines("one\r\ntwo\rthree\nfour"), QStringLiteral("one\ntwo\nthree\nfour"));
    EXPECT_EQ(objectTextLines("caf\xe9"), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(storedObjectTextLength(u"ab\ncd"), 6);
    EXPECT_EQ(storedObjectText(QStringLiteral("one\ntwo")), "one\r\ntwo");
    EXPECT_EQ(storedObjectText(QStringLiteral("caf\u00e9 \u0391")), "caf\xe9 ");
    const QString thousand(1000, QLatin1Char('x'));
    EXPECT_EQ(storedObjectText(thousand), std::string(999, 'x'));
    // A break that would be cut between its CR and LF is left out whole.
    EXPECT_EQ(storedObjectText(QString(998, QLatin1Char('x')) + QStringLiteral("\nyz")), std::string(998, 'x'));
    EXPECT_EQ(storedObjectText(QString(997, QLatin1Char('x')) + QStringLiteral("\nyz")),
              std::string(997, 'x') + "\r\n");
}
