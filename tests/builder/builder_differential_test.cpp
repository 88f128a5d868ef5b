// The real builder against the literal reference: same seed, same four candidates, byte for byte,
// over thousands of random word lists and shapes.
#include "builder/grid_builder.h"
#include "builder/reference_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace qx;
using namespace qx::test;

namespace {

struct Case {
    PuzzleRecord record;
    ShapeRecord shape;
    int attempts = 1;
    bool shrink = false;
    bool quick = false;
    uint64_t seed = 0;
};

// Small alphabets so that words cross; lower case, accented letters, y-diaeresis, the division
// sign and inner spaces all appear.
const std::vector<std::string> Alphabets = {
    "ABCDE", "AEIRST", "abcde", "ABC\xE9\xE8", "AB\xFF\xF7", "ETAOINSHRDLU", "AB", "XYZ\xE0\xC0",
};

std::string randomWord(std::mt19937_64 &rng, const std::string &alphabet, int maxLength)
{
    const int length = std::uniform_int_distribution<int>(1, maxLength)(rng);
    std::string w;
    for (int i = 0; i < length; ++i) {
        if (i > 0 && i + 1 < length && rng() % 9 == 0)
            w.push_back(' ');
        else
            w.push_back(alphabet[rng() % alphabet.size()]);
    }
    return w;
}

ShapeRecord randomShape(std::mt19937_64 &rng, int width, int height)
{
    ShapeRecord s;
    s.ShapeWidth = static_cast<int16_t>(width);
    s.ShapeHeight = static_cast<int16_t>(height);
    s.ShapeCells.fill(0);
    const int style = static_cast<int>(rng() % 4);
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            bool in = true;
            if (style == 1) // scattered holes
                in = rng() % 7 != 0;
            else if (style == 2) { // a diamond
                const double dr = std::abs(r - (height + 1) / 2.0) / height;
                const double dc = std::abs(c - (width + 1) / 2.0) / width;
                in = dr + dc <= 0.55;
            } else if (style == 3) // blocks cut out
                in = !((r / 3 + c / 4) % 5 == 0);
            s.ShapeCells[ShapeRecord::cellIndex(r, c)] = in ? 1 : 0;
        }
    }
    // Stray cells outside the rectangle must not matter to the builder.
    s.ShapeCells[ShapeRecord::cellIndex(50, 50)] = static_cast<uint8_t>(rng() % 2);
    return s;
}

Case randomCase(std::mt19937_64 &rng, int index)
{
    Case c;
    // Start from arbitrary bytes: the builder must carry what it does not own.
    for (auto &b : c.record.Reserved)
        b = static_cast<uint8_t>(rng());
    for (int k = 0; k < MaxWords; ++k) {
        c.record.WordPos[k] = static_cast<int16_t>(rng() % 2500 + 1);
        c.record.WordNumber[k] = static_cast<int16_t>(rng() % 100);
        c.record.WordLen[k] = static_cast<int16_t>(rng() % 30);
        c.record.WordAcross[k] = static_cast<uint8_t>(rng() % 2);
        c.record.Words[k].raw.fill(static_cast<uint8_t>('~'));
    }
    const bool big = index % 25 == 0;
    const int width =
        big ? std::uniform_int_distribution<int>(30, 49)(rng) : std::uniform_int_distribution<int>(5, 25)(rng);
    const int height =
        big ? std::uniform_int_distribution<int>(30, 49)(rng) : std::uniform_int_distribution<int>(5, 25)(rng);
    const int words =
        big ? std::uniform_int_distribution<int>(100, 200)(rng) : std::uniform_int_distribution<int>(1, 40)(rng);
    const auto &alphabet = Alphabets[rng() % Alphabets.size()];
    const int maxLength = std::min(30, static_cast<int>(rng() % 12) + 2);
    c.record.WordCount = static_cast<int16_t>(words);
    c.record.GridWidth = static_cast<int16_t>(width);
    c.record.GridHeight = static_cast<int16_t>(height);
    for (int k = 0; k < words; ++k) {
        c.record.Words[k].set(randomWord(rng, alphabet, maxLength));
        c.record.Clues[k].set("clue " + std::to_string(k));
    }
    if (rng() % 10 == 0 && words > 1)
        c.record.Words[1] = c.record.Words[0]; // duplicates, which must not land on each other
    c.shape = randomShape(rng, width, height);
    c.attempts = big ? 2 : static_cast<int>(rng() % 6) + 1;
    c.shrink = rng() % 2 == 0;
    c.quick = rng() % 3 == 0;
    c.seed = rng();
    return c;
}

void expectSameSlots(const Case &c, const std::array<ReferenceSlot, 4> &expected, const CandidateSlots &actual,
                     int index)
{
    for (int s = 0; s < 4; ++s) {
        ASSERT_EQ(actual[s].score, expected[s].score) << "case " << index << " slot " << s;
        if (expected[s].score == 0)
            continue;
        EXPECT_EQ(actual[s].placed, expected[s].placed) << "case " << index << " slot " << s;
        const auto a = actual[s].record->bytes();
        const auto e = expected[s].record->bytes();
        if (a != e) {
            size_t first = 0;
            while (a[first] == e[first])
                ++first;
            ADD_FAILURE() << "case " << index << " slot " << s << " differs first at byte " << first << " (words "
                          << c.record.WordCount << ", " << c.record.GridWidth << "x" << c.record.GridHeight
                          << ", shrink " << c.shrink << ", quick " << c.quick << ")";
        }
    }
}

} // namespace

TEST(BuilderAgainstReference, ThousandsOfRandomListsAndShapesGiveTheSameCandidates)
{
    std::mt19937_64 rng(20261207);
    for (int index = 0; index < 2000; ++index) {
        const Case c = randomCase(rng, index);
        std::array<ReferenceSlot, 4> expected;
        referenceBuild(c.record, c.shape, c.attempts, c.shrink, c.quick, c.seed, expected);
        CandidateSlots actual;
        const PuzzleRecord before = c.record;
        buildCandidates(c.record, c.shape, BuildOptions{c.attempts, c.shrink, c.quick, c.seed, 1 + index % 3}, actual);
        expectSameSlots(c, expected, actual, index);
        ASSERT_EQ(c.record.bytes(), before.bytes());
        if (HasFailure())
            break;
    }
}
