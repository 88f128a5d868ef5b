#include "store/collection_view.h"

#include "common/cp1252.h"

#include <algorithm>

namespace qx {

void sortForDisplay(std::vector<TaggedEntry> &entries)
{
    std::vector<std::pair<QString, TaggedEntry>> keyed;
    keyed.reserve(entries.size());
    for (auto &e : entries)
        keyed.emplace_back(cp1252::toUnicode(e.text), std::move(e));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i] = std::move(keyed[i].second);
}

std::optional<int> findExact(const std::vector<TaggedEntry> &entries, const std::string &text)
{
    const QString wanted = cp1252::toUnicode(text);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (QString::compare(cp1252::toUnicode(entries[i].text), wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

namespace {

std::optional<FileStamp> stampNow(const CollectionFile &file)
{
    const auto now = file.file().stamp();
    return now ? std::optional<FileStamp>(*now) : std::nullopt;
}

} // namespace

FileStatus CollectionView::reload(const CollectionFile &file)
{
    clear();
    m_seen = stampNow(file);
    if (!file.file().exists())
        return fileDone();
    auto index = file.reload();
    if (!index)
        return index.error();
    m_index = std::move(*index);
    m_listed = m_seen = m_index.listed;
    for (size_t i = 0; i < m_index.CategoryList.size(); ++i)
        m_categories.push_back({m_index.CategoryList[i], static_cast<int>(i)});
    sortForDisplay(m_categories);
    if (!m_categories.empty())
        m_selectedCategory = 0;
    fillPuzzles();
    return fileDone();
}

bool CollectionView::changedOnDisk(const CollectionFile &file) const
{
    return stampNow(file) != m_seen;
}

void CollectionView::clear()
{
    m_listed.reset();
    m_seen.reset();
    m_index = {};
    m_categories.clear();
    m_puzzles.clear();
    m_selectedCategory.reset();
    m_selectedPuzzle.reset();
    m_shownCategory = -1;
}

void CollectionView::selectCategory(int displayIndex)
{
    if (displayIndex < 0 || displayIndex >= static_cast<int>(m_categories.size()))
        return;
    m_selectedCategory = displayIndex;
    if (m_categories[static_cast<size_t>(displayIndex)].tag != m_shownCategory)
        fillPuzzles();
}

void CollectionView::fillPuzzles()
{
    if (m_categories.empty())
        return;
    if (m_reselect) {
        if (const auto found = findExact(m_categories, m_reselect->category))
            m_selectedCategory = *found;
    }
    if (!m_selectedCategory)
        m_selectedCategory = 0;
    const int shown = m_categories[static_cast<size_t>(*m_selectedCategory)].tag;
    m_puzzles.clear();
    m_selectedPuzzle.reset();
    for (const auto &entry : m_index.PuzzleIndexList) {
        if (entry.category == shown)
            m_puzzles.push_back({entry.name, entry.record});
    }
    sortForDisplay(m_puzzles);
    m_shownCategory = shown;
    if (m_reselect) {
        m_selectedPuzzle = findExact(m_puzzles, m_reselect->puzzle);
        m_reselect.reset();
    }
}

void CollectionView::selectFirstPuzzle()
{
    if (!m_puzzles.empty())
        m_selectedPuzzle = 0;
}

void CollectionView::setReselectPending(std::string category, std::string puzzle)
{
    m_reselect = Reselect{std::move(category), std::move(puzzle)};
}

void CollectionView::setReselectAfterDelete()
{
    std::string puzzle;
    if (m_selectedPuzzle && m_puzzles.size() > 1) {
        const auto i = static_cast<size_t>(*m_selectedPuzzle);
        // The entry above; for the first entry its own name, which selects a remaining puzzle of
        // the same name if there is one.
        puzzle = i > 0 ? m_puzzles[i - 1].text : m_puzzles[i].text;
    }
    setReselectPending(selectedCategoryName(), std::move(puzzle));
}

std::optional<int> CollectionView::selectedRecord() const
{
    if (!m_selectedPuzzle || *m_selectedPuzzle >= static_cast<int>(m_puzzles.size()))
        return std::nullopt;
    return m_puzzles[static_cast<size_t>(*m_selectedPuzzle)].tag;
}

std::string CollectionView::selectedCategoryName() const
{
    if (!m_selectedCategory || *m_selectedCategory >= static_cast<int>(m_categories.size()))
        return {};
    return m_categories[static_cast<size_t>(*m_selectedCategory)].text;
}

std::string CollectionView::selectedPuzzleName() const
{
    if (!m_selectedPuzzle || *m_selectedPuzzle >= static_cast<int>(m_puzzles.size()))
        return {};
    return m_puzzles[static_cast<size_t>(*m_selectedPuzzle)].text;
}

} // namespace qx
