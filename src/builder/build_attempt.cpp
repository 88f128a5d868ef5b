#include "builder/build_attempt.h"

#include "common/upper_case_letter.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace qx {

namespace {

constexpr uint8_t Space = 0x20;
constexpr int Side = GridSide;

constexpr int columnOf(int x)
{
    return (x - 1) % Side + 1;
}
constexpr int rowOf(int x)
{
    return (x - 1) / Side + 1;
}

template <int (*Of)(int)>
constexpr std::array<uint8_t, GridCells + 1> table()
{
    std::array<uint8_t, GridCells + 1> t{};
    for (int x = 1; x <= GridCells; ++x)
        t[x] = static_cast<uint8_t>(Of(x));
    return t;
}

constexpr auto ColumnOf = table<columnOf>();
constexpr auto RowOf = table<rowOf>();

constexpr int NoStart = -1;

// The first cell of a word whose letter i lies on cell x, or NoStart where the word would run
// outside the first lastColumn columns and lastRow rows.
inline int startThrough(int x, int i, bool across, int lastColumn, int lastRow)
{
    if (across) {
        const int c = ColumnOf[x] - i;
        return c < 1 || c > lastColumn || RowOf[x] > lastRow ? NoStart : x - i;
    }
    const int r = RowOf[x] - i;
    return r < 1 || r > lastRow || ColumnOf[x] > lastColumn ? NoStart : x - i * Side;
}

} // namespace

PuzzleRecord AttemptResult::record(const PuzzleRecord &saved) const
{
    PuzzleRecord r = saved;
    r.Grid = grid;
    r.GridWidth = gridWidth;
    r.GridHeight = gridHeight;
    r.WordCount = static_cast<int16_t>(score);
    r.AcrossCount = acrossCount;
    r.DownCount = downCount;
    writeOrderedWords(r, saved, entries, total);
    return r;
}

std::array<uint8_t, MaxWords> AttemptResult::placedFlags() const
{
    std::array<uint8_t, MaxWords> flags{};
    for (int k = 0; k < total; ++k)
        flags[k] = entries[k].placed;
    return flags;
}

std::array<LeftOut, MaxWords> AttemptResult::leftOutByPosition() const
{
    std::array<LeftOut, MaxWords> byPosition{};
    if (!explained)
        return byPosition;
    std::array<int16_t, MaxWords> positionOf{};
    for (int k = 0; k < total; ++k)
        positionOf[entries[k].source] = static_cast<int16_t>(k);
    for (int k = 0; k < total; ++k) {
        LeftOut why = leftOut[entries[k].source];
        if (why.blocker >= 0)
            why.blocker = positionOf[static_cast<size_t>(why.blocker)];
        byPosition[k] = why;
    }
    return byPosition;
}

AttemptRunner::AttemptRunner(const PuzzleRecord &saved, const ShapeRecord &shape, AttemptOptions options)
    : m_saved(saved), m_options(options), m_crossable(std::make_unique<std::array<CrossableCells, 2>>())
{
    m_total = saved.wordsInUse();
    m_width = saved.widthInUse();
    m_height = saved.heightInUse();
    for (int x = 1; x <= GridCells; ++x)
        m_shape[x] = shape.ShapeCells[x - 1];
    for (int w = 0; w < m_total; ++w) {
        const std::string text = saved.Words[w].str();
        Word &word = m_words[w];
        word.stored = static_cast<int>(text.size());
        for (const char ch : text) {
            if (ch != ' ') {
                word.s[word.length++] = UpperCaseLetter(static_cast<uint8_t>(ch));
            }
        }
    }
    m_longestRun = longestRun();
}

int AttemptRunner::longestRun() const
{
    int longest = 0;
    for (int across = 0; across < 2; ++across) {
        const int lines = across ? m_height : m_width;
        const int along = across ? m_width : m_height;
        for (int line = 1; line <= lines; ++line) {
            int run = 0;
            for (int i = 1; i <= along; ++i) {
                const int x = across ? (line - 1) * Side + i : (i - 1) * Side + line;
                run = m_shape[x] ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
    }
    return longest;
}

int AttemptRunner::testAcross(int f, const Word &w) const
{
    if (w.length == 0)
        return 0;
    // The cells just before and after the word decide most positions: look at them first.
    const int last = f + w.length - 1;
    if ((ColumnOf[f] != 1 && m_grid[f - 1] != Space) || (ColumnOf[last] != Side && m_grid[last + 1] != Space))
        return -1;
    int crossings = 0;
    for (int i = 0; i < w.length; ++i) {
        const int x = f + i;
        const uint8_t g = m_grid[x];
        if (g != Space) {
            // Running along a word of the same direction would merge two entries into one.
            if (g != w.s[i] || (i > 0 && m_grid[x - 1] != Space))
                return -1;
            ++crossings;
        } else if ((x > Side && m_grid[x - Side] != Space) || (x + Side <= GridCells && m_grid[x + Side] != Space)) {
            return -1;
        }
        if (i == 0 && columnOf(x) != 1 && m_grid[x - 1] != Space)
            return -1;
        if (i == w.length - 1 && columnOf(x) != Side && m_grid[x + 1] != Space)
            return -1;
        if (m_shape[x] == 0)
            return -1;
    }
    return crossings;
}

int AttemptRunner::testDown(int f, const Word &w) const
{
    if (w.length == 0)
        return 0;
    const int last = f + (w.length - 1) * Side;
    if ((f > Side && m_grid[f - Side] != Space) || (last <= GridCells - Side && m_grid[last + Side] != Space))
        return -1;
    int crossings = 0;
    for (int i = 0; i < w.length; ++i) {
        const int x = f + i * Side;
        const uint8_t g = m_grid[x];
        if (g != Space) {
            if (g != w.s[i] || (i > 0 && m_grid[x - Side] != Space))
                return -1;
            ++crossings;
        } else if ((columnOf(x) != 1 && m_grid[x - 1] != Space) || (columnOf(x) != Side && m_grid[x + 1] != Space)) {
            return -1;
        }
        if (i == 0 && x > Side && m_grid[x - Side] != Space)
            return -1;
        if (i == w.length - 1 && x <= GridCells - Side && m_grid[x + Side] != Space)
            return -1;
        if (m_shape[x] == 0)
            return -1;
    }
    return crossings;
}

void AttemptRunner::CrossableCells::clear()
{
    count.fill(0);
    slot.fill(-1);
}

void AttemptRunner::CrossableCells::add(int x, uint8_t letter)
{
    slot[x] = count[letter];
    cells[letter][count[letter]++] = static_cast<int16_t>(x);
}

void AttemptRunner::CrossableCells::remove(int x, uint8_t letter)
{
    const int at = slot[x];
    if (at < 0)
        return;
    const int16_t last = cells[letter][--count[letter]];
    cells[letter][at] = last;
    slot[last] = static_cast<int16_t>(at);
    slot[x] = -1;
}

void AttemptRunner::noteFilled(int x)
{
    // The new letter closes a side of its neighbours; it is itself crossable in each direction
    // whose two sides are still open.
    auto &[across, down] = *m_crossable;
    const bool hasLeft = ColumnOf[x] != 1;
    const bool hasRight = ColumnOf[x] != Side;
    const bool hasAbove = x > Side;
    const bool hasBelow = x + Side <= GridCells;
    if (hasLeft && m_grid[x - 1] != Space)
        across.remove(x - 1, m_grid[x - 1]);
    if (hasRight && m_grid[x + 1] != Space)
        across.remove(x + 1, m_grid[x + 1]);
    if (hasAbove && m_grid[x - Side] != Space)
        down.remove(x - Side, m_grid[x - Side]);
    if (hasBelow && m_grid[x + Side] != Space)
        down.remove(x + Side, m_grid[x + Side]);
    if ((!hasLeft || m_grid[x - 1] == Space) && (!hasRight || m_grid[x + 1] == Space))
        across.add(x, m_grid[x]);
    if ((!hasAbove || m_grid[x - Side] == Space) && (!hasBelow || m_grid[x + Side] == Space))
        down.add(x, m_grid[x]);
}

void AttemptRunner::write(int k, int f, int step)
{
    const Word &w = m_words[m_entries[k].source];
    for (int i = 0; i < w.length; ++i) {
        const int x = f + i * step;
        if (m_grid[x] == Space) {
            m_grid[x] = w.s[i];
            noteFilled(x);
            m_log.push_back(static_cast<int16_t>(x));
        }
    }
    const int last = f + std::max(w.length - 1, 0) * step;
    m_top = std::min(m_top, static_cast<int>(RowOf[f]));
    m_left = std::min(m_left, static_cast<int>(ColumnOf[f]));
    m_bottom = std::max(m_bottom, static_cast<int>(RowOf[last]));
    m_right = std::max(m_right, static_cast<int>(ColumnOf[last]));
    AttemptResult::Entry &e = m_entries[k];
    e.pos = static_cast<int16_t>(f);
    e.len = static_cast<int16_t>(w.length);
    e.across = step == 1 ? 1 : 0;
}

void AttemptRunner::Candidates::reset()
{
    // Nothing was gathered since the last reset: everything is still clear.
    if (!ready)
        return;
    if (exact) {
        for (size_t word = 0; word < bits.size(); ++word) {
            for (uint64_t b = bits[word]; b; b &= b - 1)
                hits[word * 64 + std::countr_zero(b)] = 0;
        }
    }
    bits.fill(0);
    twoOrMore.fill(0);
    ready = false;
    exact = true;
    sweptLevelTwo = false;
    firstWithOneCrossing = 0;
}

void AttemptRunner::collectSince(const Word &w, int lastColumn, int lastRow, int step, size_t since, Candidates &into)
{
    // Every position failed when the word was last tried, and cells only ever fill: a position can
    // pass now only through a cell filled since then, so only those cells are looked at.
    const bool across = step == 1;
    const CrossableCells &crossable = (*m_crossable)[across ? 0 : 1];
    for (size_t n = since; n < m_log.size(); ++n) {
        const int x = m_log[n];
        if (!crossable.has(x))
            continue;
        for (int i = 0; i < w.length; ++i) {
            if (w.s[i] != m_grid[x])
                continue;
            const int f = startThrough(x, i, across, lastColumn, lastRow);
            if (f == NoStart)
                continue;
            // The crossing count is not known from the new cells alone: the test decides.
            into.bits[f >> 6] |= uint64_t(1) << (f & 63);
        }
    }
    into.ready = true;
}

void AttemptRunner::collect(const Word &w, int lastColumn, int lastRow, int step, Candidates &into)
{
    // A position passes only if each of its filled cells holds the word's letter there, so the
    // positions worth testing are those the cell index reaches through the word's letters; each
    // one is counted once per letter it shares, which bounds its crossings.
    const bool across = step == 1;
    const CrossableCells &crossable = (*m_crossable)[across ? 0 : 1];
    for (int i = 0; i < w.length; ++i) {
        const uint8_t ch = w.s[i];
        const auto &cells = crossable.cells[ch];
        for (int n = 0; n < crossable.count[ch]; ++n) {
            const int x = cells[n];
            const int f = startThrough(x, i, across, lastColumn, lastRow);
            if (f == NoStart)
                continue;
            const uint64_t bit = uint64_t(1) << (f & 63);
            into.bits[f >> 6] |= bit;
            if (++into.hits[f] == 2)
                into.twoOrMore[f >> 6] |= bit;
        }
    }
    into.ready = true;
}

int AttemptRunner::firstCandidate(const Word &w, int required, int lastColumn, int lastRow, int step)
{
    Candidates &c = step == 1 ? m_across : m_down;
    if (!c.ready) {
        c.exact = m_triedUpTo < 0;
        if (c.exact)
            collect(w, lastColumn, lastRow, step, c);
        else
            collectSince(w, lastColumn, lastRow, step, static_cast<size_t>(m_triedUpTo), c);
    }
    // Levels come in order 2, then 1. A position that passes every check crosses exactly the
    // letters it shares, so after level 2 failed everywhere, level 1 can only pass where exactly
    // one letter is shared: those were either never tested (exact counts) or seen at level 2.
    if (required == 1 && c.sweptLevelTwo && !c.exact)
        return c.firstWithOneCrossing;
    for (size_t word = 0; word < c.bits.size(); ++word) {
        uint64_t bits = c.bits[word];
        if (c.exact)
            bits = required >= 2 ? c.twoOrMore[word] : (c.sweptLevelTwo ? bits & ~c.twoOrMore[word] : bits);
        while (bits) {
            const int f = static_cast<int>(word * 64) + std::countr_zero(bits);
            bits &= bits - 1;
            const int crossings = step == 1 ? testAcross(f, w) : testDown(f, w);
            if (crossings >= required)
                return f;
            if (crossings == 1 && c.firstWithOneCrossing == 0)
                c.firstWithOneCrossing = f;
        }
    }
    if (required == 2)
        c.sweptLevelTwo = true;
    return 0;
}

bool AttemptRunner::tryAcross(int k, int required, bool firstWord, SplitMix64 &rng)
{
    const Word &w = m_words[m_entries[k].source];
    const int L = w.length;
    const int lastColumn = m_width - L + 1;
    int placedAt = 0;
    if (firstWord) {
        const int r0 = 1 + rng.below(m_height);
        // Nothing lies in the grid yet, so only the level without crossings can succeed.
        if (required > 0 && m_log.empty())
            return false;
        for (int pass = 0; pass < 2 && !placedAt; ++pass) {
            const int from = pass == 0 ? r0 : 1;
            const int to = pass == 0 ? m_height : r0 - 1;
            for (int r = from; r <= to && !placedAt; ++r) {
                for (int c = 1; c <= lastColumn; ++c) {
                    const int f = (r - 1) * Side + c;
                    if (testAcross(f, w) >= required) {
                        placedAt = f;
                        break;
                    }
                }
            }
        }
    } else if (required == 0) {
        for (int r = 1; r <= m_height && !placedAt; ++r) {
            for (int c = 1; c <= lastColumn; ++c) {
                if (testAcross((r - 1) * Side + c, w) >= 0) {
                    placedAt = (r - 1) * Side + c;
                    break;
                }
            }
        }
    } else {
        // Every position that can pass crosses as many letters of the word as it needs: look only
        // there, and take the first in reading order, as the row-by-row scan would.
        placedAt = firstCandidate(w, required, lastColumn, m_height, 1);
    }
    if (!placedAt)
        return false;
    write(k, placedAt, 1);
    if (firstWord)
        m_firstWordAcross = true;
    return true;
}

bool AttemptRunner::tryDown(int k, int required, bool firstWord, SplitMix64 &rng)
{
    const Word &w = m_words[m_entries[k].source];
    const int L = w.length;
    const int lastRow = m_height - L + 1;
    int placedAt = 0;
    if (firstWord || required == 0) {
        int c0 = 1;
        if (firstWord) {
            c0 = 1 + rng.below(m_width);
            if (required > 0 && m_log.empty())
                return false;
        }
        // Start rows outside, columns inside: first the columns c0.., then 1..c0 - 1.
        for (int pass = 0; pass < 2 && !placedAt; ++pass) {
            const int from = pass == 0 ? c0 : 1;
            const int to = pass == 0 ? m_width : c0 - 1;
            for (int r = 1; r <= lastRow && !placedAt; ++r) {
                for (int c = from; c <= to; ++c) {
                    const int f = (r - 1) * Side + c;
                    if (testDown(f, w) >= required) {
                        placedAt = f;
                        break;
                    }
                }
            }
        }
    } else {
        placedAt = firstCandidate(w, required, m_width, lastRow, Side);
    }
    if (!placedAt)
        return false;
    write(k, placedAt, Side);
    if (firstWord)
        m_firstWordAcross = false;
    return true;
}

void AttemptRunner::run(SplitMix64 &rng, AttemptResult &out, int64_t explainAbove)
{
    orderLongestFirst();
    clearGrid();
    placeInPasses(rng);
    finish(out, explainAbove, false);
    out.rankKey = out.score;
}

void AttemptRunner::adopt(const ThoroughGrid &found, AttemptResult &out)
{
    std::array<uint8_t, MaxWords> order{};
    for (int k = 0; k < m_total; ++k)
        order[k] = static_cast<uint8_t>(k);
    setOrder(order);
    clearGrid();
    for (int k = 0; k < m_total; ++k) {
        const ThoroughGrid::Word &word = found.words[k];
        if (word.placed) {
            write(k, word.pos, word.across ? 1 : Side);
            m_entries[k].placed = 1;
        }
    }
    finish(out, 0, true);
    out.rankKey = found.rankKey();
}

void AttemptRunner::finish(AttemptResult &out, int64_t explainAbove, bool centred)
{
    int placed = 0, letters = 0;
    for (int k = 0; k < m_total; ++k) {
        if (m_entries[k].placed) {
            ++placed;
            letters += m_words[m_entries[k].source].length;
        }
    }
    out.crossings = letters - static_cast<int>(m_log.size());
    out.boxArea = placed > 0 ? (m_bottom - m_top + 1) * (m_right - m_left + 1) : 0;
    out.explained = false;
    if (explainAbove >= 0 && placed > explainAbove)
        explainLeftOut(out);
    int width = m_width;
    int height = m_height;
    if (m_options.shrink)
        trimEmptyEdges(width, height);
    finishCells();
    const int wordCount = compactAndNumber();
    const int acrossCount = orderAcrossFirst(wordCount);
    if (m_options.shrink) {
        shiftToCorner(wordCount, width, height);
        // A grid grown from the middle of the shape moves both up and left.
        if (centred) {
            m_firstWordAcross = !m_firstWordAcross;
            shiftToCorner(wordCount, width, height);
        }
    }

    out.score = wordCount;
    out.total = m_total;
    out.gridWidth = static_cast<int16_t>(width);
    out.gridHeight = static_cast<int16_t>(height);
    out.acrossCount = static_cast<int16_t>(acrossCount);
    out.downCount = static_cast<int16_t>(wordCount - acrossCount);
    std::copy(m_grid.begin() + 1, m_grid.end(), out.grid.begin());
    out.entries = m_entries;
}

void AttemptRunner::orderLongestFirst()
{
    std::array<uint8_t, MaxWords> order{};
    for (int k = 0; k < m_total; ++k)
        order[k] = static_cast<uint8_t>(k);
    bubblePasses(order, m_total, [&](uint8_t a, uint8_t b) { return m_words[a].stored < m_words[b].stored; });
    setOrder(order);
}

void AttemptRunner::setOrder(const std::array<uint8_t, MaxWords> &order)
{
    // The text and clue move; the position arrays stay with their places.
    for (int k = 0; k < m_total; ++k) {
        AttemptResult::Entry &e = m_entries[k];
        e.source = order[k];
        e.pos = m_saved.WordPos[k];
        e.len = m_saved.WordLen[k];
        e.number = m_saved.WordNumber[k];
        e.across = m_saved.WordAcross[k];
        e.placed = 0;
    }
}

void AttemptRunner::clearGrid()
{
    m_grid.fill(Space);
    for (CrossableCells &cells : *m_crossable)
        cells.clear();
    m_log.clear();
    m_lastFailure.fill(-1);
    m_firstWordAcross = false;
    m_top = m_left = Side + 1;
    m_bottom = m_right = 0;
}

void AttemptRunner::placeInPasses(SplitMix64 &rng)
{
    // Passes over the words not yet placed, until one places nothing more (or two, for a quick
    // build).
    bool firstWord = true;
    int previous = 0;
    for (int pass = 1;; ++pass) {
        for (int k = 0; k < m_total; ++k) {
            if (pass > 1 && m_entries[k].placed)
                continue;
            placeWord(k, firstWord, rng);
            firstWord = false;
        }
        int count = 0;
        for (int k = 0; k < m_total; ++k)
            count += m_entries[k].placed;
        if (m_options.quickBuild && pass == 2)
            break;
        if (count == previous)
            break;
        previous = count;
    }
}

void AttemptRunner::placeWord(int k, bool firstWord, SplitMix64 &rng)
{
    m_entries[k].placed = 1;
    // The grid does not change while a word is tried, so each direction's candidate positions are
    // gathered once for all its levels.
    m_across.reset();
    m_down.reset();
    m_triedUpTo = m_lastFailure[k];
    int required = 2;
    int tries = 0;
    bool settled = false;
    int direction = 1 + rng.below(2);
    while (!settled) {
        settled = direction == 1 ? tryAcross(k, required, firstWord, rng) : tryDown(k, required, firstWord, rng);
        direction = 3 - direction;
        ++tries;
        if (!settled && tries == 2) {
            if (required > (firstWord ? 0 : 1)) {
                --required;
                tries = 0;
            } else {
                m_entries[k].placed = 0;
                m_lastFailure[k] = static_cast<int>(m_log.size());
                settled = true;
            }
        }
    }
}

int AttemptRunner::wordAt(int x, bool across) const
{
    // The word in the asked direction, else the other one.
    int other = -1;
    for (int k = 0; k < m_total; ++k) {
        const AttemptResult::Entry &e = m_entries[k];
        if (!e.placed)
            continue;
        const int step = e.across ? 1 : Side;
        const int offset = x - e.pos;
        if (offset < 0 || offset % step != 0 || offset / step >= e.len)
            continue;
        if ((e.across != 0) == across)
            return e.source;
        other = e.source;
    }
    return other;
}

LeftOut AttemptRunner::whyLeftOut(const Word &w) const
{
    if (w.length > m_longestRun)
        return {LeftOutReason::LongerThanRuns, -1};
    // The first position in reading order (across before down) through a letter the word shares.
    int firstF = 0, firstStep = 0;
    bool legal = false;
    for (int x = 1; x <= GridCells && !legal; ++x) {
        if (m_grid[x] == Space)
            continue;
        for (int i = 0; i < w.length && !legal; ++i) {
            if (w.s[i] != m_grid[x])
                continue;
            for (const int step : {1, Side}) {
                const bool across = step == 1;
                const int r = RowOf[x] - (across ? 0 : i);
                const int c = ColumnOf[x] - (across ? i : 0);
                if (r < 1 || c < 1 || r > (across ? m_height : m_height - w.length + 1) ||
                    c > (across ? m_width - w.length + 1 : m_width))
                    continue;
                const int f = (r - 1) * Side + c;
                if ((across ? testAcross(f, w) : testDown(f, w)) >= 1) {
                    legal = true;
                    break;
                }
                if (!firstF || f < firstF || (f == firstF && step < firstStep)) {
                    firstF = f;
                    firstStep = step;
                }
            }
        }
    }
    if (legal)
        return {LeftOutReason::NotTried, -1};
    bool shares = false;
    for (int x = 1; x <= GridCells && !shares; ++x) {
        for (int i = 0; i < w.length && !shares && m_grid[x] != Space; ++i)
            shares = w.s[i] == m_grid[x];
    }
    if (!shares)
        return {LeftOutReason::NoCommonLetter, -1};
    if (!firstF)
        return {LeftOutReason::Blocked, -1}; // every such position runs out of the grid
    // Walk the first position as the test does and name the word at the first cell in the way.
    const bool across = firstStep == 1;
    const int side = across ? Side : 1; // from the word's cells to their neighbours across it
    for (int i = 0; i < w.length; ++i) {
        const int x = firstF + i * firstStep;
        const uint8_t g = m_grid[x];
        if (m_shape[x] == 0)
            return {LeftOutReason::Blocked, -1};
        if (i == 0 && (across ? ColumnOf[x] != 1 : x > Side) && m_grid[x - firstStep] != Space)
            return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(x - firstStep, across))};
        if (g != Space && g != w.s[i])
            return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(x, !across))};
        if (g != Space && i > 0 && m_grid[x - firstStep] != Space)
            return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(x - firstStep, across))};
        if (g == Space) {
            const bool hasBefore = across ? x > Side : ColumnOf[x] != 1;
            const bool hasAfter = across ? x + Side <= GridCells : ColumnOf[x] != Side;
            if (hasBefore && m_grid[x - side] != Space)
                return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(x - side, !across))};
            if (hasAfter && m_grid[x + side] != Space)
                return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(x + side, !across))};
        }
        const int next = x + firstStep;
        if (i == w.length - 1 && (across ? ColumnOf[x] != Side : x <= GridCells - Side) && m_grid[next] != Space)
            return {LeftOutReason::Blocked, static_cast<int16_t>(wordAt(next, across))};
    }
    return {LeftOutReason::Blocked, -1};
}

void AttemptRunner::explainLeftOut(AttemptResult &out) const
{
    out.leftOut.fill(LeftOut{});
    for (int k = 0; k < m_total; ++k) {
        if (!m_entries[k].placed)
            out.leftOut[m_entries[k].source] = whyLeftOut(m_words[m_entries[k].source]);
    }
    out.explained = true;
}

void AttemptRunner::trimEmptyEdges(int &width, int &height) const
{
    for (int r = height; r >= 2; --r) {
        bool empty = true;
        for (int c = 1; c <= width && empty; ++c)
            empty = m_grid[(r - 1) * Side + c] == Space;
        if (!empty)
            break;
        --height;
    }
    for (int c = width; c >= 2; --c) {
        bool empty = true;
        for (int r = 1; r <= Side && empty; ++r)
            empty = m_grid[(r - 1) * Side + c] == Space;
        if (!empty)
            break;
        --width;
    }
}

void AttemptRunner::finishCells()
{
    for (int x = 1; x <= GridCells; ++x) {
        if (m_shape[x] == 0)
            m_grid[x] = 0;
        else if (m_grid[x] != Space)
            m_grid[x] = UpperCaseLetter(m_grid[x]);
    }
}

int AttemptRunner::compactAndNumber()
{
    return qx::compactAndNumber(m_entries, m_total);
}

int AttemptRunner::orderAcrossFirst(int wordCount)
{
    return qx::orderAcrossFirst(m_entries, wordCount);
}

void AttemptRunner::shiftToCorner(int wordCount, int &width, int &height)
{
    // The grid moves up (first word across) or left (first word down) until its first letter
    // touches the edge.
    if (m_firstWordAcross) {
        int n = 0;
        for (int x = 1; x <= GridCells; ++x) {
            if (m_grid[x] != Space && m_grid[x] != 0) {
                n = rowOf(x) - 1;
                break;
            }
        }
        if (n > 0) {
            for (int i = 1; i <= GridCells - Side * n; ++i)
                m_grid[i] = m_grid[i + Side * n];
            height -= n;
            for (int k = 0; k < wordCount; ++k)
                m_entries[k].pos = static_cast<int16_t>(m_entries[k].pos - Side * n);
        }
    } else {
        int n = 0;
        bool found = false;
        for (int c = 1; c <= Side && !found; ++c) {
            for (int r = 1; r <= Side; ++r) {
                const uint8_t g = m_grid[(r - 1) * Side + c];
                if (g != Space && g != 0) {
                    n = c - 1;
                    found = true;
                    break;
                }
            }
        }
        if (n > 0) {
            for (int i = 1; i <= GridCells - n; ++i)
                m_grid[i] = m_grid[i + n];
            width -= n;
            for (int k = 0; k < wordCount; ++k)
                m_entries[k].pos = static_cast<int16_t>(m_entries[k].pos - n);
        }
    }
}

} // namespace qx
