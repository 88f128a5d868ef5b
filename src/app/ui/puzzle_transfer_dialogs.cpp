#include "app/ui/puzzle_transfer_dialogs.h"

#include "app/session.h"
#include "app/ui/main_window.h"
#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "store/puzzle_transfer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

PuzzlePicker::PuzzlePicker(const QString &heading, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(heading, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { Q_EMIT selectionChanged(!m_list->selectedItems().isEmpty()); });
}

void PuzzlePicker::fill(const QString &collectionPath)
{
    m_list->clear();
    std::vector<TaggedEntry> entries;
    // A file that cannot be read lists nothing; the main window has said why when it opened it.
    if (const auto index = CollectionFile(collectionPath).reload()) {
        for (const auto &p : index->PuzzleIndexList)
            entries.push_back({p.name, p.record});
    }
    sortForDisplay(entries);
    for (const auto &e : entries) {
        auto *item = new QListWidgetItem(cp1252::toUnicode(e.text), m_list);
        item->setData(Qt::UserRole, e.tag);
    }
}

std::vector<int> PuzzlePicker::selectedRecords() const
{
    std::vector<int> out;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            out.push_back(m_list->item(row)->data(Qt::UserRole).toInt());
    }
    return out;
}

void PuzzlePicker::selectAll()
{
    m_list->selectAll();
}
void PuzzlePicker::clearAll()
{
    m_list->clearSelection();
}

namespace {

QPushButton *button(const QString &text, QWidget *parent, const char *name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

ImportPuzzlesDialog::ImportPuzzlesDialog(MainWindow &main, const QString &path, QWidget *parent)
    : ConventionalDialog(main.session().look(), QSize(420, 360), parent), m_main(main), m_path(path)
{
    setWindowTitle(tr("Import Crossword Puzzles"));
    auto *layout = new QVBoxLayout(this);
    auto *file = new QLabel(tr("File Name: ") + path, this);
    file->setWordWrap(true);
    layout->addWidget(file);
    m_picker = new PuzzlePicker(tr("Puzzles in File"), this);
    m_picker->fill(path);
    layout->addWidget(m_picker, 1);
    auto *buttons = new QHBoxLayout;
    auto *all = button(tr("&Select All"), this, "SelectAllButton");
    auto *none = button(tr("C&lear All"), this, "ClearAllButton");
    m_ok = button(tr("&Ok"), this, "OkButton");
    auto *cancel = button(tr("&Cancel"), this, "CancelButton");
    for (auto *b : {all, none, m_ok, cancel})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    connect(m_picker, &PuzzlePicker::selectionChanged, m_ok, &QPushButton::setEnabled);
    connect(all, &QPushButton::clicked, m_picker, &PuzzlePicker::selectAll);
    connect(none, &QPushButton::clicked, m_picker, &PuzzlePicker::clearAll);
    connect(m_ok, &QPushButton::clicked, this, &ImportPuzzlesDialog::onOkButtonClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportPuzzlesDialog::onOkButtonClicked()
{
    UiHost &host = m_main.host();
    Session &session = m_main.session();
    const auto records = m_picker->selectedRecords();
    if (records.empty()) {
        host.message(this, tr("Error"), tr("No puzzles have been selected for import."), Buttons::Ok);
        return;
    }
    if (const auto imported = importPuzzles(CollectionFile(m_path), records, session.collectionFile()); !imported) {
        if (imported.error().kind == FileError::Kind::CannotOpen)
            host.message(this, tr("Error"), tr("Unable to import puzzles."), Buttons::Ok);
        else
            host.fileError(this, imported.error());
        reject();
        return;
    }
    // Whatever was selected in the main window (or its first entries) is selected again.
    const auto &view = session.collection;
    const auto firstOf = [](const std::vector<TaggedEntry> &entries, std::optional<int> selected) {
        if (entries.empty())
            return std::string();
        return entries[static_cast<size_t>(selected.value_or(0))].text;
    };
    session.collection.setReselectPending(firstOf(view.categories(), view.selectedCategory()),
                                          firstOf(view.puzzles(), view.selectedPuzzle()));
    m_main.loadInPuzzles();
    accept();
}

ExportPuzzlesDialog::ExportPuzzlesDialog(MainWindow &main, QWidget *parent)
    : ConventionalDialog(main.session().look(), QSize(420, 360), parent), m_main(main)
{
    setWindowTitle(tr("Export Crossword Puzzles"));
    auto *layout = new QVBoxLayout(this);
    m_picker = new PuzzlePicker(tr("Puzzles Available For Export"), this);
    m_picker->fill(main.session().collectionPath());
    layout->addWidget(m_picker, 1);
    auto *buttons = new QHBoxLayout;
    auto *all = button(tr("&Select All"), this, "SelectAllButton");
    auto *none = button(tr("C&lear All"), this, "ClearAllButton");
    m_save = button(tr("Save &File"), this, "SaveButton");
    auto *exit = button(tr("&Exit"), this, "ExitButton");
    for (auto *b : {all, none, m_save, exit})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    m_save->setEnabled(false);
    connect(m_picker, &PuzzlePicker::selectionChanged, m_save, &QPushButton::setEnabled);
    connect(all, &QPushButton::clicked, m_picker, &PuzzlePicker::selectAll);
    connect(none, &QPushButton::clicked, m_picker, &PuzzlePicker::clearAll);
    connect(m_save, &QPushButton::clicked, this, &ExportPuzzlesDialog::onSaveButtonClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void ExportPuzzlesDialog::onSaveButtonClicked()
{
    UiHost &host = m_main.host();
    Session &session = m_main.session();
    const auto records = m_picker->selectedRecords();
    if (records.empty()) {
        host.message(this, tr("Error"), tr("No puzzles have been selected for export."), Buttons::Ok);
        return;
    }
    FileRequest request{tr("Save Crossword Puzzles"),
                        QString::fromLatin1(CollectionFilter),
                        QStringLiteral("QX3"),
                        session.settings.misc.lastExportPuzzleFile,
                        false,
                        true};
    const auto path = host.saveFileName(this, request);
    if (path) {
        session.settings.misc.lastExportPuzzleFile = *path;
        const auto exported = exportPuzzles(session.collectionFile(), records, CollectionFile(*path));
        if (!exported) {
            if (exported.error().kind == FileError::Kind::CannotOpen)
                host.message(this, tr("Error"), tr("Unable to export puzzles."), Buttons::Ok);
            else
                host.fileError(this, exported.error());
        } else if (*exported == PuzzleExportResult::SameAsSource) {
            host.message(this, tr("Error"), tr("Export File cannot be the same as the currently open file."),
                         Buttons::Ok);
        }
    }
    accept();
}

void runPuzzleImport(MainWindow &main, Session &session, UiHost &host)
{
    FileRequest request{QObject::tr("Import Puzzles"),
                        QString::fromLatin1(ImportFilter),
                        QStringLiteral("QX3"),
                        session.settings.misc.lastImportPuzzleFile,
                        true,
                        false};
    const auto path = host.openFileName(&main, request);
    if (!path)
        return;
    session.settings.misc.lastImportPuzzleFile = *path;
    switch (importKindOf(*path)) {
    case ImportKind::NotQuorvex:
        host.message(&main, QObject::tr("Error"), QObject::tr("The file selected is not a valid Quorvex file."),
                     Buttons::Ok);
        return;
    case ImportKind::OldPuzzleFile: {
        const auto read = readOldPuzzleFile(*path, *session.current, session.layoutForNewPuzzle());
        if (!read) {
            if (read.error().kind == FileError::Kind::CannotOpen)
                host.message(&main, QObject::tr("Error"), QObject::tr("Puzzle could not be imported."), Buttons::Ok);
            else
                host.fileError(&main, read.error());
            return;
        }
        if (read->result == OldFileResult::Corrupt) {
            host.message(&main, QObject::tr("Error"),
                         QObject::tr("Puzzle file is corrupt or incompatible.  Import aborted."), Buttons::Ok);
            return;
        }
        *session.current = read->record;
        if (const auto saved = session.collectionFile().append(read->record); !saved) {
            if (saved.error().kind == FileError::Kind::CannotOpen)
                host.message(&main, QObject::tr("Error"), QObject::tr("Unable to save puzzle."), Buttons::Ok);
            else
                host.fileError(&main, saved.error());
            return;
        }
        session.collection.setReselectPending(read->record.Category.str(), read->record.PuzzleName.str());
        main.loadInPuzzles();
        return;
    }
    case ImportKind::Collection:
        if (sameCollection(*path, session.collectionPath())) {
            host.message(&main, QObject::tr("Error"),
                         QObject::tr("Import File cannot be the same as the currently open file."), Buttons::Ok);
            return;
        }
        ImportPuzzlesDialog dialog(main, *path, &main);
        host.runModal(dialog);
        return;
    }
}

void runPuzzleExport(MainWindow &main, Session &session, UiHost &host)
{
    (void)session;
    ExportPuzzlesDialog dialog(main, &main);
    host.runModal(dialog);
}

} // namespace qx
