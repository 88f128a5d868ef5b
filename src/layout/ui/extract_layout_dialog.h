#pragma once
// "Extract Page Layout From Puzzle": appends the page layout a puzzle of the open collection
// carries to the layout library, so that other puzzles can be given it.

#include "common/record_file.h"
#include "common/ui/dialog_conventions.h"
#include "layout/layout_library.h"

#include <optional>

class QPushButton;

namespace qx {

class RecordListBox;
class UiHost;

class ExtractLayoutDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ExtractLayoutDialog(const DialogLook &look, UiHost &host, QString collectionPath, LayoutLibrary library,
                        QWidget *parent = nullptr);

    // After "&Extract": the library record the layout was appended as.
    std::optional<int> extractedRecord() const { return m_extracted; }

    RecordListBox *puzzleList() const { return m_list; }
    QPushButton *extractButton() const { return m_extract; }

    void onExtractButtonClicked();

private:
    void listPuzzles();

    UiHost &m_host;
    QString m_collectionPath;
    LayoutLibrary m_library;
    RecordListBox *m_list = nullptr;
    QPushButton *m_extract = nullptr;
    std::optional<int> m_extracted;
    std::optional<FileStamp> m_listed; // the collection the list was read from
};

} // namespace qx
