#include "support/crossword_check.h"

#include "common/upper_case_letter.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace qx::test {

namespace {

std::string gridForm(const std::string &word)
{
    std::string s;
    for (const char ch : word)
        if (ch != ' ')
            s.push_back(static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(ch))));
    return s;
}

} // namespace

// Checks a built record the way a solver would read the printed puzzle, knowing nothing of how it
// was built: every word is spelled in its cells and bounded by empty cells, no two words of one
// direction share a cell, every letter belongs to a word, numbers follow reading order, and the
// across words come first, each group in number order.
void expectSoundCrossword(const PuzzleRecord &r)
{
    const int n = r.WordCount;
    ASSERT_EQ(r.AcrossCount + r.DownCount, n);
    std::set<int> starts;
    std::map<int, int> acrossOwner, downOwner;
    auto letter = [&](int x) { return r.Grid[x - 1]; };
    auto empty = [&](int x) { return letter(x) == ' ' || letter(x) == 0; };
    for (int k = 1; k <= n; ++k) {
        const bool across = r.WordAcross[k - 1] != 0;
        EXPECT_EQ(across, k <= r.AcrossCount) << "word " << k;
        const std::string s = gridForm(r.Words[k - 1].str());
        const int step = across ? 1 : 50;
        const int f = r.WordPos[k - 1];
        EXPECT_EQ(r.WordLen[k - 1], static_cast<int>(s.size()));
        starts.insert(f);
        for (size_t i = 0; i < s.size(); ++i) {
            const int x = f + static_cast<int>(i) * step;
            EXPECT_EQ(letter(x), static_cast<uint8_t>(s[i])) << "word " << k << " cell " << i;
            auto &owner = across ? acrossOwner : downOwner;
            EXPECT_TRUE(owner.emplace(x, k).second) << "word " << k << " runs along word " << owner[x];
        }
        const int before = f - step;
        const int after = f + static_cast<int>(s.size()) * step;
        const bool hasBefore = across ? (f - 1) % 50 != 0 : before >= 1;
        const bool hasAfter = across ? (after - 1) % 50 != 0 : after <= 2500;
        if (hasBefore) {
            EXPECT_TRUE(empty(before)) << "word " << k;
        }
        if (hasAfter) {
            EXPECT_TRUE(empty(after)) << "word " << k;
        }
    }
    // Numbers: the distinct first cells in reading order.
    std::map<int, int> numberOf;
    int number = 0;
    for (const int s : starts)
        numberOf[s] = ++number;
    for (int k = 1; k <= n; ++k)
        EXPECT_EQ(r.WordNumber[k - 1], numberOf[r.WordPos[k - 1]]) << "word " << k;
    for (int k = 2; k <= n; ++k) {
        if (k != r.AcrossCount + 1) {
            EXPECT_LE(r.WordNumber[k - 2], r.WordNumber[k - 1]);
        }
    }
    for (int x = 1; x <= 2500; ++x) {
        if (!empty(x)) {
            EXPECT_TRUE(acrossOwner.count(x) || downOwner.count(x)) << "stray letter at " << x;
        }
    }
}

} // namespace qx::test
