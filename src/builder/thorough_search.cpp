#include "builder/thorough_search.h"

#include "builder/grid_builder.h"
#include "builder/split_mix.h"
#include "common/upper_case_letter.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace qx {

namespace {

// The search's own grid has a border row and column on every side, so that the neighbours of any
// cell can be read without testing for the edge: cell (r, c) is r * Stride + c.
constexpr int Stride = GridSide + 2;
constexpr int Cells = Stride * Stride;

constexpr int paddedCell(int r, int c)
{
    return r * Stride + c;
}

// Placement steps a typical core does in a second, measured on the benchmark lists; one second of
// effort is this on two cores.
constexpr int64_t StepsPerCoreSecond = 25'000'000;
// What a round of taking words out and putting them back costs besides the positions it tests.
constexpr int64_t StepsPerRound = 24;

// The search runs in rounds; between rounds every chain has done the same work on any number of
// threads, so the decisions taken there (all words placed, time up) replay exactly.
constexpr int Rounds = 40;

// The repair's word order: one per letter, a word of only rare letters this much more, and a random
// shake up to this much.
constexpr float HardnessWeight = 3.0f;
constexpr float OrderNoise = 2.0f;

struct Problem {
    struct Word {
        std::array<uint8_t, 30> s{}; // letters as dense codes 1..letters
        int length = 0;
        float weight = 0; // length and rarity: the order words are put back in, before the shake
    };
    int total = 0;
    int width = 0;
    int height = 0;
    int letters = 0;
    // The most words any grid could hold: not those longer than the grid, nor (with other words)
    // those sharing no letter with any other word.
    int placeable = 0;
    std::array<Word, MaxWords> words{};
    std::array<uint8_t, Cells> open{}; // in the shape and within width and height
};

Problem makeProblem(const PuzzleRecord &saved, const ShapeRecord &shape)
{
    Problem p;
    p.total = saved.wordsInUse();
    p.width = saved.widthInUse();
    p.height = saved.heightInUse();
    for (int r = 1; r <= p.height; ++r) {
        for (int c = 1; c <= p.width; ++c)
            p.open[paddedCell(r, c)] = shape.inShape(r, c) ? 1 : 0;
    }
    std::array<uint8_t, 256> code{};
    std::array<int, 256> frequency{};
    for (int w = 0; w < p.total; ++w) {
        Problem::Word &word = p.words[w];
        for (const char ch : saved.Words[w].str()) {
            if (ch == ' ' || word.length == 30)
                continue;
            const uint8_t letter = UpperCaseLetter(static_cast<uint8_t>(ch));
            if (!code[letter])
                code[letter] = static_cast<uint8_t>(++p.letters);
            word.s[word.length++] = code[letter];
            ++frequency[code[letter]];
        }
    }
    std::array<uint8_t, 256> wordsWith{}; // how many words hold each letter (counted up to 2)
    for (int w = 0; w < p.total; ++w) {
        std::array<bool, 256> seen{};
        for (int i = 0; i < p.words[w].length; ++i) {
            const uint8_t letter = p.words[w].s[i];
            if (!seen[letter] && wordsWith[letter] < 2)
                ++wordsWith[letter];
            seen[letter] = true;
        }
    }
    for (int w = 0; w < p.total; ++w) {
        const Problem::Word &word = p.words[w];
        bool shares = p.total == 1;
        for (int i = 0; i < word.length && !shares; ++i)
            shares = wordsWith[word.s[i]] > 1;
        if (word.length > 0 && word.length <= std::max(p.width, p.height) && shares)
            ++p.placeable;
    }
    const int most = std::max(1, *std::max_element(frequency.begin(), frequency.end()));
    for (int w = 0; w < p.total; ++w) {
        Problem::Word &word = p.words[w];
        float rarity = 0;
        for (int i = 0; i < word.length; ++i)
            rarity += 1.0f - static_cast<float>(frequency[word.s[i]]) / static_cast<float>(most);
        word.weight = static_cast<float>(word.length) +
                      (word.length > 0 ? HardnessWeight * rarity / static_cast<float>(word.length) : 0.0f);
    }
    return p;
}

// A grid the search changes word by word: words are placed and taken out again.
class SearchGrid {
public:
    explicit SearchGrid(const Problem &p) : m_p(p), m_cellsOf(static_cast<size_t>(p.letters) + 1)
    {
        for (auto &owners : m_owner)
            owners.fill(-1);
        m_slot.fill(-1);
        m_pos.fill(0);
        for (auto &cells : m_cellsOf)
            cells.reserve(64);
    }

    const Problem &problem() const { return m_p; }
    bool placed(int w) const { return m_pos[w] != 0; }
    int pos(int w) const { return m_pos[w]; }
    int dir(int w) const { return m_dir[w]; }
    int placedCount() const { return m_placed; }
    int crossings() const { return m_crossings; }
    uint8_t letter(int x) const { return m_letter[x]; }
    int owner(int d, int x) const { return m_owner[d][x]; }
    const std::vector<int16_t> &cellsOf(int letter) const { return m_cellsOf[letter]; }

    // The crossings of word w with its first cell at f in direction d (0 across, 1 down), or -1
    // when the position breaks a rule: a word's cells lie in the shape, its two end cells are
    // empty, a letter it shares is its own letter and belongs to no word of its direction, and a
    // cell it fills alone has empty neighbours across its direction.
    int test(int w, int f, int d) const
    {
        const Problem::Word &word = m_p.words[w];
        const int step = d ? Stride : 1;
        const int side = d ? 1 : Stride;
        if (m_letter[f - step] || m_letter[f + word.length * step])
            return -1;
        int crossings = 0;
        for (int i = 0, x = f; i < word.length; ++i, x += step) {
            if (!m_p.open[x])
                return -1;
            if (const uint8_t g = m_letter[x]) {
                if (g != word.s[i] || m_owner[d][x] >= 0)
                    return -1;
                ++crossings;
            } else if (m_letter[x - side] || m_letter[x + side]) {
                return -1;
            }
        }
        return crossings;
    }

    void place(int w, int f, int d)
    {
        const Problem::Word &word = m_p.words[w];
        const int step = d ? Stride : 1;
        for (int i = 0, x = f; i < word.length; ++i, x += step) {
            if (m_letter[x]) {
                ++m_crossings;
            } else {
                m_letter[x] = word.s[i];
                auto &cells = m_cellsOf[word.s[i]];
                m_slot[x] = static_cast<int16_t>(cells.size());
                cells.push_back(static_cast<int16_t>(x));
                ++m_rowCount[x / Stride];
                ++m_colCount[x % Stride];
            }
            m_owner[d][x] = static_cast<int16_t>(w);
        }
        m_pos[w] = static_cast<int16_t>(f);
        m_dir[w] = static_cast<uint8_t>(d);
        ++m_placed;
    }

    void remove(int w)
    {
        const int f = m_pos[w];
        const int d = m_dir[w];
        const int step = d ? Stride : 1;
        for (int i = 0, x = f; i < m_p.words[w].length; ++i, x += step) {
            m_owner[d][x] = -1;
            if (m_owner[1 - d][x] >= 0) {
                --m_crossings;
                continue;
            }
            auto &cells = m_cellsOf[m_letter[x]];
            const int16_t last = cells.back();
            cells[static_cast<size_t>(m_slot[x])] = last;
            m_slot[last] = m_slot[x];
            cells.pop_back();
            m_slot[x] = -1;
            m_letter[x] = 0;
            --m_rowCount[x / Stride];
            --m_colCount[x % Stride];
        }
        m_pos[w] = 0;
        --m_placed;
    }

    struct Box {
        int top = Stride, bottom = -1, left = Stride, right = -1;
        int area() const { return bottom < top ? 0 : (bottom - top + 1) * (right - left + 1); }
    };
    Box box() const
    {
        Box b;
        for (int i = 1; i <= GridSide; ++i) {
            if (m_rowCount[i]) {
                b.top = std::min(b.top, i);
                b.bottom = i;
            }
            if (m_colCount[i]) {
                b.left = std::min(b.left, i);
                b.right = i;
            }
        }
        return b;
    }

    int64_t rankKey() const
    {
        return (int64_t(m_placed) << 32) | (int64_t(m_crossings) << 16) | (0xFFFF - box().area());
    }

private:
    const Problem &m_p;
    std::array<uint8_t, Cells> m_letter{};
    std::array<std::array<int16_t, Cells>, 2> m_owner{};
    std::vector<std::vector<int16_t>> m_cellsOf; // the filled cells of each letter
    std::array<int16_t, Cells> m_slot{};         // where a filled cell stands in its letter's list
    std::array<int16_t, MaxWords> m_pos{};       // 0: not placed
    std::array<uint8_t, MaxWords> m_dir{};
    std::array<int16_t, Stride> m_rowCount{};
    std::array<int16_t, Stride> m_colCount{};
    int m_placed = 0;
    int m_crossings = 0;
};

// One chain of the search: a grid built greedily and then improved by taking words out and putting
// them back.
class Chain {
public:
    Chain(const Problem &p, uint64_t seed, int index)
        : m_p(p), m_grid(p), m_rng(SplitMix64::forAttempt(seed, index + 1))
    {
        m_best.chain = index;
        for (auto &seen : m_seen)
            seen.fill(0);
    }

    int64_t steps() const { return m_steps; }
    const ThoroughGrid &best() const { return m_best; }
    bool finished() const { return m_finished; }

    // Works until the chain's steps reach `until`, it has nothing left to do, or `stop` is set.
    void run(int64_t until, int64_t budget, const std::atomic<bool> &stop)
    {
        if (!m_started) {
            m_started = true;
            start();
        }
        while (!m_finished && m_steps < until && !stop.load(std::memory_order_relaxed)) {
            improve();
            // No grid can hold more words: go on only while the crossings or the box still improve.
            if (m_best.placed >= m_p.placeable && m_steps - m_bestAt > budget / 8)
                m_finished = true;
        }
        if (m_steps >= budget)
            m_finished = true;
    }

private:
    struct Change {
        int16_t word;
        int16_t pos;
        uint8_t dir;
        bool placed; // the change placed the word (else it took it out)
    };

    void start()
    {
        std::vector<int16_t> all;
        for (int w = 0; w < m_p.total; ++w)
            all.push_back(static_cast<int16_t>(w));
        putBack(all, -1);
        m_log.clear();
        m_settled = 0;
        m_currentKey = m_grid.rankKey();
        keepIfBest();
    }

    void place(int w, int f, int d)
    {
        m_grid.place(w, f, d);
        m_log.push_back({static_cast<int16_t>(w), static_cast<int16_t>(f), static_cast<uint8_t>(d), true});
    }

    void takeOut(int w)
    {
        m_log.push_back(
            {static_cast<int16_t>(w), static_cast<int16_t>(m_grid.pos(w)), static_cast<uint8_t>(m_grid.dir(w)), false});
        m_grid.remove(w);
    }

    void undo()
    {
        for (auto change = m_log.rbegin(); change != m_log.rend(); ++change) {
            if (change->placed)
                m_grid.remove(change->word);
            else
                m_grid.place(change->word, change->pos, change->dir);
        }
        m_log.clear();
        m_settled = 0;
    }

    // One round of the search: take a group out, put the words back, keep the result unless it
    // holds fewer words.
    void improve()
    {
        m_steps += StepsPerRound;
        m_log.clear();
        m_settled = 0;
        const int strategy = m_rng.below(8);
        int first = -1;
        if (m_grid.placedCount() == 0) {
            // Nothing to take out: build again from an empty grid.
        } else if (strategy < 3 && m_grid.placedCount() < m_p.total) {
            first = makeRoomForLeftOut();
        } else if (strategy < 5) {
            takeOutRegion();
        } else if (strategy < 6) {
            takeOutLeastCrossed();
        } else {
            takeOutRandom();
        }
        settle();
        keepLargestPiece();
        std::vector<int16_t> pending;
        for (int w = 0; w < m_p.total; ++w) {
            if (!m_grid.placed(w) && w != first)
                pending.push_back(static_cast<int16_t>(w));
        }
        putBack(pending, first);
        const int64_t key = m_grid.rankKey();
        if ((key >> 32) < (m_currentKey >> 32) ||
            ((key >> 32) == (m_currentKey >> 32) && key < m_currentKey && m_rng.below(8) != 0)) {
            undo();
            return;
        }
        m_currentKey = key;
        keepIfBest();
    }

    void keepIfBest()
    {
        if (m_started && m_best.placed > 0 && m_currentKey <= m_best.rankKey())
            return;
        const SearchGrid::Box box = m_grid.box();
        m_best.placed = m_grid.placedCount();
        m_best.crossings = m_grid.crossings();
        m_best.boxArea = box.area();
        for (int w = 0; w < m_p.total; ++w) {
            ThoroughGrid::Word &word = m_best.words[w];
            word.placed = m_grid.placed(w) ? 1 : 0;
            const int x = m_grid.pos(w);
            word.pos = word.placed ? static_cast<int16_t>((x / Stride - 1) * GridSide + x % Stride) : 0;
            word.across = word.placed && m_grid.dir(w) == 0 ? 1 : 0;
        }
        m_bestAt = m_steps;
    }

    // Puts the words back, the longest and rarest first (shaken), each at its best position; passes
    // until one places nothing. A word given as `first` is tried before the others.
    void putBack(std::vector<int16_t> &words, int first)
    {
        std::vector<std::pair<float, int16_t>> order;
        order.reserve(words.size());
        for (const int16_t w : words)
            order.emplace_back(m_p.words[w].weight + OrderNoise * static_cast<float>(m_rng.below(1024)) / 1024.0f, w);
        std::stable_sort(order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        words.clear();
        if (first >= 0)
            words.push_back(static_cast<int16_t>(first));
        for (const auto &entry : order)
            words.push_back(entry.second);
        for (bool placedAny = true; placedAny;) {
            placedAny = false;
            for (const int16_t w : words) {
                if (m_grid.placed(w))
                    continue;
                if (m_grid.placedCount() == 0 ? placeNearCentre(w) : placeAtBest(w))
                    placedAny = true;
            }
        }
    }

    bool placeNearCentre(int w)
    {
        const int length = m_p.words[w].length;
        int bestDistance = std::numeric_limits<int>::max();
        Choice choice;
        for (int d = 0; d < 2 && length > 0; ++d) {
            const int lastRow = d ? m_p.height - length + 1 : m_p.height;
            const int lastColumn = d ? m_p.width : m_p.width - length + 1;
            for (int r = 1; r <= lastRow; ++r) {
                for (int c = 1; c <= lastColumn; ++c) {
                    const int f = paddedCell(r, c);
                    ++m_steps;
                    if (m_grid.test(w, f, d) < 0)
                        continue;
                    const int dr = 2 * r + (d ? length - 1 : 0) - (m_p.height + 1);
                    const int dc = 2 * c + (d ? 0 : length - 1) - (m_p.width + 1);
                    const int distance = dr * dr + dc * dc;
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        choice.ties = 0;
                    }
                    if (distance == bestDistance)
                        drawAmongTies(choice, f, d);
                }
            }
        }
        return placeChosen(w, choice);
    }

    // The position kept among those that tie on the best score so far: each tie is kept with
    // equal chance, one draw per tie, so a seed replays the same choices.
    struct Choice {
        int f = 0;
        int d = 0;
        int ties = 0;
    };

    void drawAmongTies(Choice &choice, int f, int d)
    {
        if (m_rng.below(++choice.ties) == 0) {
            choice.f = f;
            choice.d = d;
        }
    }

    bool placeChosen(int w, const Choice &choice)
    {
        if (!choice.f)
            return false;
        place(w, choice.f, choice.d);
        return true;
    }

    // The first cell of word w in direction d when its letter i lies in cell x, or 0 when the word
    // would run out of the grid.
    int startThrough(int w, int x, int i, int d) const
    {
        const int length = m_p.words[w].length;
        const int r = x / Stride - (d ? i : 0);
        const int c = x % Stride - (d ? 0 : i);
        if (r < 1 || c < 1 || (d ? r + length - 1 : r) > m_p.height || (d ? c : c + length - 1) > m_p.width)
            return 0;
        return paddedCell(r, c);
    }

    // Places word w where it crosses most, then keeps the box smallest (ties by chance).
    bool placeAtBest(int w)
    {
        const Problem::Word &word = m_p.words[w];
        const SearchGrid::Box box = m_grid.box();
        int bestCrossings = 0, bestArea = 0;
        Choice choice;
        ++m_search;
        for (int d = 0; d < 2; ++d) {
            for (int i = 0; i < word.length; ++i) {
                for (const int16_t x : m_grid.cellsOf(word.s[i])) {
                    if (m_grid.owner(d, x) >= 0)
                        continue;
                    const int f = startThrough(w, x, i, d);
                    if (!f || m_seen[d][f] == m_search)
                        continue;
                    m_seen[d][f] = m_search;
                    ++m_steps;
                    const int crossings = m_grid.test(w, f, d);
                    if (crossings < bestCrossings || crossings < 1)
                        continue;
                    const int endR = f / Stride + (d ? word.length - 1 : 0);
                    const int endC = f % Stride + (d ? 0 : word.length - 1);
                    const int area = (std::max(box.bottom, endR) - std::min(box.top, f / Stride) + 1) *
                                     (std::max(box.right, endC) - std::min(box.left, f % Stride) + 1);
                    if (crossings > bestCrossings || area < bestArea) {
                        bestCrossings = crossings;
                        bestArea = area;
                        choice.ties = 0;
                    }
                    if (area == bestArea)
                        drawAmongTies(choice, f, d);
                }
            }
        }
        return placeChosen(w, choice);
    }

    // A word left out, and the words in the way of one position where it would cross a placed
    // letter: those go, the word goes in first. Returns the word, or -1.
    int makeRoomForLeftOut()
    {
        std::vector<int16_t> out;
        for (int w = 0; w < m_p.total; ++w) {
            if (!m_grid.placed(w) && m_p.words[w].length > 0)
                out.push_back(static_cast<int16_t>(w));
        }
        if (out.empty())
            return -1;
        const int w = out[static_cast<size_t>(m_rng.below(static_cast<int>(out.size())))];
        const Problem::Word &word = m_p.words[w];
        // A random letter of the word, a random cell holding it, a random free direction there.
        const int i = m_rng.below(word.length);
        const auto &cells = m_grid.cellsOf(word.s[i]);
        if (cells.empty())
            return -1;
        const int x = cells[static_cast<size_t>(m_rng.below(static_cast<int>(cells.size())))];
        int d = m_rng.below(2);
        if (m_grid.owner(d, x) >= 0)
            d = 1 - d;
        const int f = startThrough(w, x, i, d);
        if (!f || m_grid.owner(d, x) >= 0)
            return -1;
        // The words on the cells it would use, its end cells and the cells beside it, except where
        // it shares a letter with a word across its direction.
        const int step = d ? Stride : 1;
        const int side = d ? 1 : Stride;
        std::vector<int16_t> inTheWay;
        auto note = [&](int y) {
            for (int dd = 0; dd < 2; ++dd) {
                if (m_grid.owner(dd, y) >= 0)
                    inTheWay.push_back(static_cast<int16_t>(m_grid.owner(dd, y)));
            }
        };
        note(f - step);
        note(f + word.length * step);
        for (int k = 0, y = f; k < word.length; ++k, y += step) {
            if (m_grid.letter(y) == word.s[k] && m_grid.owner(d, y) < 0) {
                continue;
            }
            note(y);
            if (!m_grid.letter(y)) {
                note(y - side);
                note(y + side);
            }
        }
        for (const int16_t v : inTheWay) {
            if (m_grid.placed(v))
                takeOut(v);
        }
        settle();
        keepLargestPiece();
        if (m_grid.test(w, f, d) >= (m_grid.placedCount() > 0 ? 1 : 0)) {
            place(w, f, d);
            return w;
        }
        return -1;
    }

    // The words with a cell in a square around a random letter.
    void takeOutRegion()
    {
        const int w = randomPlaced();
        const int length = m_p.words[w].length;
        const int at = m_grid.pos(w) + m_rng.below(length) * (m_grid.dir(w) ? Stride : 1);
        const int radius = 1 + m_rng.below(4);
        const int r0 = at / Stride, c0 = at % Stride;
        std::vector<int16_t> inside;
        for (int r = std::max(1, r0 - radius); r <= std::min(GridSide, r0 + radius); ++r) {
            for (int c = std::max(1, c0 - radius); c <= std::min(GridSide, c0 + radius); ++c) {
                for (int d = 0; d < 2; ++d) {
                    if (const int v = m_grid.owner(d, paddedCell(r, c)); v >= 0)
                        inside.push_back(static_cast<int16_t>(v));
                }
            }
        }
        for (const int16_t v : inside) {
            if (m_grid.placed(v))
                takeOut(v);
        }
    }

    // A few of the words that cross only one other.
    void takeOutLeastCrossed()
    {
        std::vector<int16_t> loose;
        for (int w = 0; w < m_p.total; ++w) {
            if (m_grid.placed(w) && crossingsOf(w) <= 1)
                loose.push_back(static_cast<int16_t>(w));
        }
        const int count = 1 + m_rng.below(std::max(1, std::min(8, static_cast<int>(loose.size()))));
        for (int n = 0; n < count && !loose.empty(); ++n) {
            const size_t at = static_cast<size_t>(m_rng.below(static_cast<int>(loose.size())));
            if (m_grid.placed(loose[at]))
                takeOut(loose[at]);
            loose[at] = loose.back();
            loose.pop_back();
        }
    }

    void takeOutRandom()
    {
        const int count = 1 + m_rng.below(std::max(1, std::min(6, m_grid.placedCount() / 4)));
        for (int n = 0; n < count && m_grid.placedCount() > 0; ++n)
            takeOut(randomPlaced());
    }

    int randomPlaced()
    {
        int n = m_rng.below(m_grid.placedCount());
        for (int w = 0; w < m_p.total; ++w) {
            if (m_grid.placed(w) && n-- == 0)
                return w;
        }
        return 0;
    }

    int crossingsOf(int w) const
    {
        const int d = m_grid.dir(w);
        const int step = d ? Stride : 1;
        int crossings = 0;
        for (int i = 0, x = m_grid.pos(w); i < m_p.words[w].length; ++i, x += step)
            crossings += m_grid.owner(1 - d, x) >= 0 ? 1 : 0;
        return crossings;
    }

    // A word taken out leaves the letters other words share with it. Two of them side by side
    // along it would read as a word that is none: one of the two words through them goes too.
    void settle()
    {
        for (; m_settled < m_log.size(); ++m_settled) {
            const Change change = m_log[m_settled];
            if (change.placed)
                continue;
            const int step = change.dir ? Stride : 1;
            const int other = 1 - change.dir;
            for (int i = 0, x = change.pos; i + 1 < m_p.words[change.word].length; ++i, x += step) {
                // A word placed since along the same line reads as itself.
                if (m_grid.letter(x) && m_grid.letter(x + step) && m_grid.owner(change.dir, x) < 0 &&
                    m_grid.owner(change.dir, x + step) < 0) {
                    const int y = m_rng.below(2) ? x : x + step;
                    takeOut(m_grid.owner(other, y));
                }
            }
        }
    }

    // Taking words out may split the grid; a crossword is one piece, so only the piece with the
    // most words stays.
    void keepLargestPiece()
    {
        const int placed = m_grid.placedCount();
        if (placed <= 1)
            return;
        std::array<int16_t, MaxWords> piece{};
        piece.fill(-1);
        std::array<int16_t, MaxWords> stack{};
        int pieces = 0, largest = -1, largestSize = 0;
        for (int start = 0; start < m_p.total; ++start) {
            if (!m_grid.placed(start) || piece[start] >= 0)
                continue;
            int size = 0, top = 0;
            stack[top++] = static_cast<int16_t>(start);
            piece[start] = static_cast<int16_t>(pieces);
            while (top > 0) {
                const int w = stack[--top];
                ++size;
                const int d = m_grid.dir(w);
                const int step = d ? Stride : 1;
                for (int i = 0, x = m_grid.pos(w); i < m_p.words[w].length; ++i, x += step) {
                    const int v = m_grid.owner(1 - d, x);
                    if (v >= 0 && piece[v] < 0) {
                        piece[v] = static_cast<int16_t>(pieces);
                        stack[top++] = static_cast<int16_t>(v);
                    }
                }
            }
            if (size == placed)
                return;
            if (size > largestSize) {
                largestSize = size;
                largest = pieces;
            }
            ++pieces;
        }
        for (int w = 0; w < m_p.total; ++w) {
            if (m_grid.placed(w) && piece[w] != largest)
                takeOut(w);
        }
    }

    const Problem &m_p;
    SearchGrid m_grid;
    SplitMix64 m_rng;
    std::vector<Change> m_log;
    size_t m_settled = 0; // the changes settle() has looked at
    std::array<std::array<uint32_t, Cells>, 2> m_seen{};
    uint32_t m_search = 0;
    int64_t m_steps = 0;
    int64_t m_bestAt = 0;
    int64_t m_currentKey = 0;
    ThoroughGrid m_best;
    bool m_started = false;
    bool m_finished = false;
};

} // namespace

int64_t thoroughStepsFor(double effortSeconds)
{
    return std::max<int64_t>(1000, static_cast<int64_t>(effortSeconds * 2.0 * static_cast<double>(StepsPerCoreSecond)));
}

ThoroughOutcome searchThoroughly(const PuzzleRecord &saved, const ShapeRecord &shape, const ThoroughOptions &options,
                                 const ThoroughProgress &progress)
{
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    // Only a machine far slower than expected reaches this.
    const auto deadline =
        started + std::chrono::duration<double>(options.timeLimit > 0 ? options.timeLimit : 3.0 * options.effort + 1.0);
    const Problem problem = makeProblem(saved, shape);
    const int64_t budget = thoroughStepsFor(options.effort);
    const int64_t perChain = budget / ThoroughChains;
    std::vector<std::unique_ptr<Chain>> chains;
    for (int k = 0; k < ThoroughChains; ++k)
        chains.push_back(std::make_unique<Chain>(problem, options.seed, k));
    const int threads = std::clamp(options.threads > 0 ? options.threads : usableCpus(), 1, ThoroughChains);

    ThoroughOutcome outcome;
    std::atomic<bool> stop{false};
    std::atomic<bool> noAbort{false};
    std::atomic<bool> &abort = progress.abort ? *progress.abort : noAbort;
    for (int round = 1; round <= Rounds && !stop.load(); ++round) {
        const int64_t until = round == Rounds ? perChain : perChain * round / Rounds;
        std::atomic<int> next{0};
        auto work = [&] {
            for (int k; (k = next.fetch_add(1)) < ThoroughChains;) {
                // A chain looks at the abort flag and the clock itself, so that a long round ends
                // soon after either.
                chains[static_cast<size_t>(k)]->run(until, perChain, abort);
            }
        };
        {
            std::vector<std::jthread> helpers;
            for (int t = 1; t < threads; ++t)
                helpers.emplace_back(work);
            work();
        }
        int64_t steps = 0;
        int bestPlaced = 0;
        bool allFinished = true;
        for (const auto &chain : chains) {
            steps += chain->steps();
            bestPlaced = std::max(bestPlaced, chain->best().placed);
            allFinished = allFinished && chain->finished();
        }
        outcome.steps = steps;
        if (progress.report)
            progress.report(std::min(steps, budget), budget, bestPlaced);
        if (abort.load()) {
            outcome.aborted = true;
            break;
        }
        if (allFinished || (options.stopWhenAllPlaced && bestPlaced == problem.total))
            break;
        if (Clock::now() > deadline) {
            outcome.cutShort = true;
            break;
        }
    }
    for (const auto &chain : chains) {
        if (chain->best().placed > 0)
            outcome.grids.push_back(chain->best());
    }
    std::stable_sort(outcome.grids.begin(), outcome.grids.end(),
                     [](const ThoroughGrid &a, const ThoroughGrid &b) { return a.rankKey() > b.rankKey(); });
    if (outcome.grids.size() > 4)
        outcome.grids.resize(4);
    return outcome;
}

} // namespace qx
