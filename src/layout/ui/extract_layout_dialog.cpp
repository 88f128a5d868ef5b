#include "layout/ui/extract_layout_dialog.h"

#include "common/ui/record_list_box.h"
#include "common/ui/ui_host.h"
#include "store/collection_file.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

// The puzzles of the collection by name, and the file they were listed from; a collection that
// cannot be read lists nothing, as the main window has already said why when it opened it.
std::vector<ListEntry> puzzleEntries(const QString &collectionPath, std::optional<FileStamp> &listed)
{
    std::vector<ListEntry> entries;
    listed.reset();
    if (collectionPath.isEmpty())
        return entries;
    if (const auto index = CollectionFile(collectionPath).reload()) {
        listed = index->listed;
        for (const auto &p : index->PuzzleIndexList)
            entries.push_back({p.record, p.name});
    }
    sortByText(entries);
    return entries;
}

} // namespace

ExtractLayoutDialog::ExtractLayoutDialog(const DialogLook &look, UiHost &host, QString collectionPath,
                                         LayoutLibrary library, QWidget *parent)
    : ConventionalDialog(look, QSize(300, 320), parent), m_host(host), m_collectionPath(std::move(collectionPath)),
      m_library(std::move(library))
{
    setObjectName(QStringLiteral("ExtractLayout"));
    setWindowTitle(tr("Extract Page Layout From Puzzle"));
    m_list = new RecordListBox(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    auto *heading = new QLabel(tr("Available Puzzles"), this);
    heading->setBuddy(m_list);
    m_extract = new QPushButton(tr("&Extract"), this);
    m_extract->setObjectName(QStringLiteral("ExtractButton"));
    m_extract->setDefault(true);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_extract);
    buttons->addWidget(cancel);
    auto *top = new QVBoxLayout(this);
    top->addWidget(heading);
    top->addWidget(m_list, 1);
    top->addLayout(buttons);

    listPuzzles();
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this] { m_extract->setEnabled(m_list->selectedRecord().has_value()); });
    connect(m_extract, &QPushButton::clicked, this, &ExtractLayoutDialog::onExtractButtonClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ExtractLayoutDialog::listPuzzles()
{
    m_list->fill(puzzleEntries(m_collectionPath, m_listed));
    m_list->selectRow(0);
    m_extract->setEnabled(m_list->count() > 0);
}

// The puzzle is read again, so that the layout appended is the one stored now.
void ExtractLayoutDialog::onExtractButtonClicked()
{
    const auto record = m_list->selectedRecord();
    if (!record) {
        m_host.message(this, tr("Error"), tr("No puzzles have been selected for export."), Buttons::Ok);
        return;
    }
    // By the number listed: refused when another program changed the collection since.
    const auto bytes = CollectionFile(m_collectionPath).file().read(*record, m_listed);
    if (!bytes && bytes.error().kind == FileError::Kind::Changed) {
        m_host.fileChanged(this, bytes.error(), tr("No layout was extracted; the list now shows the change."));
        listPuzzles();
        return;
    }
    const auto puzzle =
        bytes ? FileOutcome<PuzzleRecord>(PuzzleRecord::decode(recordSpan<PuzzleRecord>(*bytes))) : bytes.error();
    if (!puzzle) {
        if (puzzle.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), tr("Unable to open puzzle."), Buttons::Ok);
        else
            m_host.fileError(this, puzzle.error());
        return;
    }
    const auto appended = m_library.append(puzzle->Layout);
    if (!appended) {
        if (appended.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Disk Error"), tr("Unable to add page layout."), Buttons::Ok);
        else
            m_host.fileError(this, appended.error());
        return;
    }
    m_extracted = *appended;
    accept();
}

} // namespace qx
