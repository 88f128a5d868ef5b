#pragma once
// What the main window's two lists show of the open collection: the categories and the puzzles
// of the shown category, each sorted for display and tagged with its number, the selection, and
// the names to select again after the next reload. Kept free of widgets so that the rules can be
// tested; the window mirrors it.

#include "store/collection_file.h"

#include <optional>
#include <string>
#include <vector>

namespace qx {

struct TaggedEntry {
    std::string text; // Windows-1252 bytes
    int tag = 0;      // category number or record number
};

// List boxes sort alphabetically without regard to letter case; equal texts keep their order.
void sortForDisplay(std::vector<TaggedEntry> &entries);

// The first entry whose text equals the given one, ignoring letter case.
std::optional<int> findExact(const std::vector<TaggedEntry> &entries, const std::string &text);

class CollectionView {
public:
    // Rebuilds everything from the file, then shows the reselected category or the first one. A
    // missing file is an empty collection; a file that cannot be read leaves the view empty and
    // reports why.
    FileStatus reload(const CollectionFile &file);
    // Forgets the file's content (a new, empty collection).
    void clear();
    // The file the lists were read from (none when there was no file, or it could not be read):
    // what a command acting on a listed record number checks.
    const std::optional<FileStamp> &listed() const { return m_listed; }
    // Whether the file is no longer the one last reloaded (another program wrote it, or it came or
    // went): the lists no longer show it.
    bool changedOnDisk(const CollectionFile &file) const;

    // The user picked the category at display position i: refills the puzzles if it changed.
    void selectCategory(int displayIndex);
    void selectPuzzle(std::optional<int> displayIndex) { m_selectedPuzzle = displayIndex; }
    void selectFirstPuzzle();

    void setReselectPending(std::string category, std::string puzzle);
    bool reselectPending() const { return m_reselect.has_value(); }
    // After deleting the selected puzzle: which category and puzzle to show afterwards.
    void setReselectAfterDelete();

    const CollectionIndex &index() const { return m_index; }
    const std::vector<TaggedEntry> &categories() const { return m_categories; }
    const std::vector<TaggedEntry> &puzzles() const { return m_puzzles; }
    std::optional<int> selectedCategory() const { return m_selectedCategory; }
    std::optional<int> selectedPuzzle() const { return m_selectedPuzzle; }
    // Record number of the selected puzzle entry.
    std::optional<int> selectedRecord() const;
    std::string selectedCategoryName() const;
    std::string selectedPuzzleName() const;
    int shownCategory() const { return m_shownCategory; }

private:
    void fillPuzzles();

    struct Reselect {
        std::string category;
        std::string puzzle;
    };

    CollectionIndex m_index;
    std::vector<TaggedEntry> m_categories;
    std::vector<TaggedEntry> m_puzzles;
    std::optional<int> m_selectedCategory;
    std::optional<int> m_selectedPuzzle;
    int m_shownCategory = -1;
    std::optional<Reselect> m_reselect;
    std::optional<FileStamp> m_listed;
    // The file as the last reload found it, even when it could not be read, so that an unreadable
    // file is reported once, not at every look.
    std::optional<FileStamp> m_seen;
};

} // namespace qx
