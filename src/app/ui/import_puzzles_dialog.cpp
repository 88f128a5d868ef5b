#include "app/ui/import_puzzles_dialog.h"

#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/puzzle_picker.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/ui/ui_host.h"
#include "store/puzzle_transfer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

// Names the field and the invisible character by its code: "its clue 3 holds the control
// character U+0007".
QString controlPlaceText(const ControlInPuzzle &control)
{
    using Field = ControlInPuzzle::Field;
    QString where;
    switch (control.field) {
    case Field::Title:
        where = QObject::tr("its title");
        break;
    case Field::Category:
        where = QObject::tr("its category");
        break;
    case Field::BonusQuestion:
        where = QObject::tr("its bonus question");
        break;
    case Field::Word:
        where = QObject::tr("its word %1").arg(control.entry + 1);
        break;
    case Field::Clue:
        where = QObject::tr("its clue %1").arg(control.entry + 1);
        break;
    }
    return QObject::tr("%1 holds the control character %2").arg(where, codePointName(control.byte));
}

QString refusedPuzzleText(const std::string &name, const ControlInPuzzle &control)
{
    return QObject::tr("The puzzle \"%1\" cannot be imported: %2.  Nothing was imported.")
        .arg(withoutUnstorable(cp1252::toUnicode(name)), controlPlaceText(control));
}

} // namespace

ImportPuzzlesDialog::ImportPuzzlesDialog(MainWindow &main, const QString &path, QWidget *parent)
    : ConventionalDialog(main.session().look(), QSize(420, 360), parent), m_main(main), m_path(path)
{
    setWindowTitle(tr("Import Crossword Puzzles"));
    auto *layout = new QVBoxLayout(this);
    auto *file = new QLabel(tr("File Name: %1").arg(path), this);
    file->setWordWrap(true);
    layout->addWidget(file);
    m_picker = new PuzzlePicker(tr("Puzzles in File"), this);
    m_picker->fill(path);
    layout->addWidget(m_picker, 1);
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("OkButton"));
    m_ok->setDefault(true);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    layout->addLayout(m_picker->buttonRow(m_ok, cancel));
    connect(m_ok, &QPushButton::clicked, this, &ImportPuzzlesDialog::acceptEntries);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportPuzzlesDialog::acceptEntries()
{
    UiHost &host = m_main.host();
    Session &session = m_main.session();
    const auto records = m_picker->selectedRecords();
    if (records.empty()) {
        host.message(this, tr("Error"), tr("No puzzles have been selected for import."), Buttons::Ok);
        return;
    }
    const auto imported = importPuzzles(CollectionFile(m_path), records, session.collectionFile(), m_picker->listed());
    if (!imported && imported.error().kind == FileError::Kind::Changed) {
        host.fileChanged(this, imported.error(), tr("No puzzles were imported; the list now shows the change."));
        m_picker->fill(m_path);
        return;
    }
    if (!imported) {
        if (imported.error().kind == FileError::Kind::CannotOpen)
            host.message(this, tr("Error"), tr("Unable to import puzzles."), Buttons::Ok);
        else
            host.fileError(this, imported.error());
        reject();
        return;
    } else if (imported->refused) {
        host.message(this, tr("Error"), refusedPuzzleText(imported->refused->name, imported->refused->control),
                     Buttons::Ok);
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

void runPuzzleImport(MainWindow &main, Session &session, UiHost &host)
{
    FileRequest request{QObject::tr("Import Puzzles"),
                        QCoreApplication::translate("qx", ImportFilter),
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
        if (read->result == OldFileResult::HoldsControlCharacter) {
            host.message(&main, QObject::tr("Error"), refusedPuzzleText(read->record.PuzzleName.str(), *read->control),
                         Buttons::Ok);
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

} // namespace qx
