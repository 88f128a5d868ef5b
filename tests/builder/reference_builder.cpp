#include "builder/reference_builder.h"

#include "common/upper_case_letter.h"

#include <string>

namespace qx::test {

namespace {

constexpr uint8_t SP = ' ';

struct State {
    PuzzleRecord &rec;
    const ShapeRecord &shape;
    SplitMix64 &rng;
    std::array<uint8_t, MaxWords> &placed;
    int required = 2;
    bool settled = false;
    bool firstWord = false;
    bool firstWordAcross = false;

    // 1-based accessors, as the description counts.
    uint8_t &grid(int i) { return rec.Grid[i - 1]; }
    bool inShape(int i) const { return shape.ShapeCells[i - 1] != 0; }
    int16_t &pos(int k) { return rec.WordPos[k - 1]; }
    int16_t &len(int k) { return rec.WordLen[k - 1]; }
    int16_t &num(int k) { return rec.WordNumber[k - 1]; }
    uint8_t &across(int k) { return rec.WordAcross[k - 1]; }
    uint8_t &flag(int k) { return placed[k - 1]; }
    int W() const { return rec.GridWidth; }
    int H() const { return rec.GridHeight; }
    static int col(int x) { return (x - 1) % 50 + 1; }

    std::string gridForm(int k)
    {
        std::string s;
        for (const char ch : rec.Words[k - 1].str())
            if (ch != ' ')
                s.push_back(static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(ch))));
        return s;
    }

    // Moves every item of word k together with word j.
    void swapWords(int j, int k)
    {
        std::swap(rec.Words[j - 1], rec.Words[k - 1]);
        std::swap(rec.Clues[j - 1], rec.Clues[k - 1]);
        std::swap(pos(j), pos(k));
        std::swap(len(j), len(k));
        std::swap(num(j), num(k));
        std::swap(across(j), across(k));
        std::swap(flag(j), flag(k));
    }

    bool testAcross(int f, const std::string &s)
    {
        const int L = static_cast<int>(s.size());
        int crossings = 0;
        for (int i = 1; i <= L; ++i) {
            const int x = f + i - 1;
            if (grid(x) != SP)
                crossings++;
            if (i == 1 && col(x) != 1 && grid(x - 1) != SP)
                return false;
            if (i == L && col(x) != 50 && grid(x + 1) != SP)
                return false;
            if (grid(x) == SP) {
                if (x > 50 && grid(x - 50) != SP)
                    return false;
                if (x + 50 <= 2500 && grid(x + 50) != SP)
                    return false;
            }
            if (grid(x) != SP && grid(x) != static_cast<uint8_t>(s[i - 1]))
                return false;
            if (!inShape(x))
                return false;
            // The mended rule: no running along a word of the same direction.
            if (i > 1 && grid(x) != SP && grid(x - 1) != SP)
                return false;
        }
        return crossings >= required;
    }

    bool testDown(int f, const std::string &s)
    {
        const int L = static_cast<int>(s.size());
        int crossings = 0;
        for (int i = 1; i <= L; ++i) {
            const int x = f + (i - 1) * 50;
            if (grid(x) != SP)
                crossings++;
            if (i == 1 && x > 50 && grid(x - 50) != SP)
                return false;
            if (i == L && x <= 2450 && grid(x + 50) != SP)
                return false;
            if (grid(x) == SP) {
                if (col(x) != 1 && grid(x - 1) != SP)
                    return false;
                if (col(x) != 50 && grid(x + 1) != SP)
                    return false;
            }
            if (grid(x) != SP && grid(x) != static_cast<uint8_t>(s[i - 1]))
                return false;
            if (!inShape(x))
                return false;
            if (i > 1 && grid(x) != SP && grid(x - 50) != SP)
                return false;
        }
        return crossings >= required;
    }

    void accept(int k, int f, const std::string &s, bool isAcross)
    {
        for (int i = 1; i <= static_cast<int>(s.size()); ++i)
            grid(isAcross ? f + i - 1 : f + (i - 1) * 50) = static_cast<uint8_t>(s[i - 1]);
        pos(k) = static_cast<int16_t>(f);
        len(k) = static_cast<int16_t>(s.size());
        across(k) = isAcross ? 1 : 0;
        settled = true;
        if (firstWord)
            firstWordAcross = isAcross;
    }

    void tryAcross(int k)
    {
        const std::string s = gridForm(k);
        const int L = static_cast<int>(s.size());
        auto scanRows = [&](int from, int to) {
            for (int r = from; r <= to; ++r)
                for (int c = 1; c <= W() - L + 1; ++c) {
                    const int f = (r - 1) * 50 + c;
                    if (testAcross(f, s)) {
                        accept(k, f, s, true);
                        return true;
                    }
                }
            return false;
        };
        if (firstWord) {
            const int r0 = 1 + rng.below(H());
            if (!scanRows(r0, H()))
                scanRows(1, r0 - 1);
        } else {
            scanRows(1, H());
        }
    }

    void tryDown(int k)
    {
        const std::string s = gridForm(k);
        const int L = static_cast<int>(s.size());
        auto scan = [&](int c1, int c2) {
            for (int r = 1; r <= H() - L + 1; ++r)
                for (int c = c1; c <= c2; ++c) {
                    const int f = (r - 1) * 50 + c;
                    if (testDown(f, s)) {
                        accept(k, f, s, false);
                        return true;
                    }
                }
            return false;
        };
        if (firstWord) {
            const int c0 = 1 + rng.below(W());
            if (!scan(c0, W()))
                scan(1, c0 - 1);
        } else {
            scan(1, W());
        }
    }

    void placementPasses(bool quick)
    {
        firstWord = true;
        int previous = 0;
        int p = 1;
        while (true) {
            for (int k = 1; k <= rec.WordCount; ++k) {
                if (p > 1 && flag(k) != 0)
                    continue;
                flag(k) = 1;
                required = 2;
                int tries = 0;
                settled = false;
                int direction = 1 + rng.below(2);
                while (!settled) {
                    if (direction == 1)
                        tryAcross(k);
                    else
                        tryDown(k);
                    direction = direction == 1 ? 2 : 1;
                    tries++;
                    if (!settled && tries == 2) {
                        if (firstWord) {
                            if (required > 0) {
                                required--;
                                tries = 0;
                            } else {
                                flag(k) = 0;
                                settled = true;
                            }
                        } else if (required > 1) {
                            required--;
                            tries = 0;
                        } else {
                            flag(k) = 0;
                            settled = true;
                        }
                    }
                }
                firstWord = false;
            }
            if (quick && p == 2)
                return;
            int count = 0;
            for (int k = 1; k <= rec.WordCount; ++k)
                count += flag(k);
            if (count == previous)
                return;
            previous = count;
            p++;
        }
    }
};

} // namespace

void referenceAttempt(const PuzzleRecord &saved, const ShapeRecord &shape, bool shrink, bool quick, SplitMix64 &rng,
                      PuzzleRecord &working, std::array<uint8_t, MaxWords> &placed)
{
    working = saved;
    placed.fill(0);
    State st{working, shape, rng, placed};
    PuzzleRecord &r = working;
    const int n = r.WordCount;

    // c. Longest first; the clue moves with its word.
    for (int j = 1; j <= n; ++j)
        for (int k = n; k >= j + 1; --k)
            if (r.Words[k - 2].length() < r.Words[k - 1].length()) {
                std::swap(r.Words[k - 2], r.Words[k - 1]);
                std::swap(r.Clues[k - 2], r.Clues[k - 1]);
            }
    // d.
    for (int i = 1; i <= 2500; ++i)
        st.grid(i) = SP;
    // e.
    st.placementPasses(quick);
    // f.
    if (shrink) {
        for (int row = r.GridHeight; row >= 2; --row) {
            bool empty = true;
            for (int c = 1; c <= r.GridWidth; ++c)
                if (st.grid((row - 1) * 50 + c) != SP)
                    empty = false;
            if (!empty)
                break;
            r.GridHeight--;
        }
        for (int c = r.GridWidth; c >= 2; --c) {
            bool empty = true;
            for (int row = 1; row <= 50; ++row)
                if (st.grid((row - 1) * 50 + c) != SP)
                    empty = false;
            if (!empty)
                break;
            r.GridWidth--;
        }
    }
    // g.
    for (int i = 1; i <= 2500; ++i) {
        if (!st.inShape(i))
            st.grid(i) = 0;
        else if (st.grid(i) != SP)
            st.grid(i) = UpperCaseLetter(st.grid(i));
    }
    // h.1 placed words first
    for (int j = 1; j <= n; ++j)
        for (int k = n; k >= j + 1; --k)
            if (st.flag(k - 1) == 0 && st.flag(k) != 0)
                st.swapWords(k - 1, k);
    // h.2
    int count = 0;
    for (int k = 1; k <= n; ++k)
        count += st.flag(k) != 0;
    r.WordCount = static_cast<int16_t>(count);
    const int wc = count;
    // h.3 by position
    for (int j = 1; j <= wc; ++j)
        for (int k = wc; k >= j + 1; --k)
            if (st.pos(k - 1) > st.pos(k))
                st.swapWords(k - 1, k);
    // h.4 numbering
    int number = 0;
    for (int k = 1; k <= wc; ++k) {
        if (k == 1 || st.pos(k) != st.pos(k - 1))
            number++;
        st.num(k) = static_cast<int16_t>(number);
    }
    // h.5 across words first
    for (int j = 1; j <= wc; ++j)
        for (int k = wc; k >= j + 1; --k)
            if (st.across(k - 1) == 0)
                st.swapWords(k - 1, k);
    // h.6
    int acrossCount = 0;
    for (int k = 1; k <= wc; ++k)
        acrossCount += st.across(k) != 0;
    r.AcrossCount = static_cast<int16_t>(acrossCount);
    r.DownCount = static_cast<int16_t>(wc - acrossCount);
    // h.7 each group by number, stable
    auto sortByNumber = [&](int from, int to) {
        for (int j = from; j <= to; ++j)
            for (int k = to; k >= j + 1; --k)
                if (st.num(k - 1) > st.num(k))
                    st.swapWords(k - 1, k);
    };
    sortByNumber(1, acrossCount);
    sortByNumber(acrossCount + 1, wc);
    // i. shift
    if (shrink) {
        if (st.firstWordAcross) {
            int firstRow = 0;
            for (int row = 1; row <= 50 && firstRow == 0; ++row)
                for (int c = 1; c <= 50; ++c) {
                    const uint8_t g = st.grid((row - 1) * 50 + c);
                    if (g != SP && g != 0) {
                        firstRow = row;
                        break;
                    }
                }
            const int shiftBy = firstRow > 0 ? firstRow - 1 : 0;
            if (shiftBy > 0) {
                for (int i = 1; i <= 2500 - 50 * shiftBy; ++i)
                    st.grid(i) = st.grid(i + 50 * shiftBy);
                r.GridHeight = static_cast<int16_t>(r.GridHeight - shiftBy);
                for (int k = 1; k <= wc; ++k)
                    st.pos(k) = static_cast<int16_t>(st.pos(k) - 50 * shiftBy);
            }
        } else {
            int firstCol = 0;
            for (int c = 1; c <= 50 && firstCol == 0; ++c)
                for (int row = 1; row <= 50; ++row) {
                    const uint8_t g = st.grid((row - 1) * 50 + c);
                    if (g != SP && g != 0) {
                        firstCol = c;
                        break;
                    }
                }
            const int shiftBy = firstCol > 0 ? firstCol - 1 : 0;
            if (shiftBy > 0) {
                for (int i = 1; i <= 2500 - shiftBy; ++i)
                    st.grid(i) = st.grid(i + shiftBy);
                r.GridWidth = static_cast<int16_t>(r.GridWidth - shiftBy);
                for (int k = 1; k <= wc; ++k)
                    st.pos(k) = static_cast<int16_t>(st.pos(k) - shiftBy);
            }
        }
    }
}

int referenceBuild(const PuzzleRecord &record, const ShapeRecord &shape, int attempts, bool shrink, bool quick,
                   uint64_t seed, std::array<ReferenceSlot, 4> &slots)
{
    for (auto &s : slots)
        s.score = 0;
    const int total = record.WordCount;
    PuzzleRecord working;
    std::array<uint8_t, MaxWords> placed{};
    int counter = 0;
    int run = 0;
    while (true) {
        counter++;
        SplitMix64 rng = SplitMix64::forAttempt(seed, counter);
        referenceAttempt(record, shape, shrink, quick, rng, working, placed);
        const int score = working.WordCount;
        int into = -1;
        for (int s = 0; s < 4 && into < 0; ++s)
            if (score > slots[s].score)
                into = s;
        if (into >= 0) {
            for (int s = 3; s > into; --s)
                std::swap(slots[s], slots[s - 1]);
            *slots[into].record = working;
            slots[into].placed = placed;
            slots[into].score = score;
        }
        ++run;
        if (slots[3].score == total)
            counter = attempts;
        if (counter >= attempts)
            break;
    }
    return run;
}

} // namespace qx::test
