#pragma once
// Saving a puzzle into the open collection from a window, and what the window tells the user.

#include "store/collection_file.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace qx {

class UiHost;

// Reselects a saved puzzle by category and name and reloads the main window's lists.
using ReloadAndReselect = std::function<void(const std::string &category, const std::string &name)>;

enum class SaveResult {
    Saved,
    Failed,  // the file could not be written and was left as it was
    Changed, // another program changed the puzzle's record since it was read: the window stays open
    Refused, // the collection is there but may not be written (read-only): the window stays open
};

// Writes the puzzle into the collection at its place: appended when new, else over the record it
// was read from while that record still holds what was read. A failure is told with one box
// ("Unable to save puzzle." when the collection cannot be opened, with the system's text when it
// exists but may not be written, the refusal when another program changed the record, the file's
// error otherwise) and leaves the file as it was; a success reloads
// the lists with the puzzle reselected and moves the place on to the bytes written.
SaveResult savePuzzleInto(QWidget *parent, UiHost &host, const QString &collectionPath, const PuzzleRecord &record,
                          PuzzlePlace &place, const ReloadAndReselect &reloadAndReselect);

} // namespace qx
