#pragma once
// Saving a puzzle into the open collection from a window, and what the window tells the user.

#include "store/puzzle_record.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace qx {

class UiHost;

// Reselects a saved puzzle by category and name and reloads the main window's lists.
using ReloadAndReselect = std::function<void(const std::string &category, const std::string &name)>;

// Writes the puzzle into the collection: appended when new, else at its record number. A failure
// is told with one box ("Unable to save puzzle." when the collection cannot be opened, the file's
// error otherwise) and leaves the file as it was; a success reloads the lists with the puzzle
// reselected. Returns whether the puzzle was saved.
bool savePuzzleInto(QWidget *parent, UiHost &host, const QString &collectionPath, const PuzzleRecord &record,
                    bool isNew, int recordNumber, const ReloadAndReselect &reloadAndReselect);

} // namespace qx
