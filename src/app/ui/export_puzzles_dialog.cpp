#include "app/ui/export_puzzles_dialog.h"

#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/puzzle_picker.h"
#include "common/ui/ui_host.h"
#include "store/puzzle_transfer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

ExportPuzzlesDialog::ExportPuzzlesDialog(MainWindow &main, QWidget *parent)
    : ConventionalDialog(main.session().look(), QSize(420, 360), parent), m_main(main)
{
    setWindowTitle(tr("Export Crossword Puzzles"));
    auto *layout = new QVBoxLayout(this);
    m_picker = new PuzzlePicker(tr("Puzzles Available For Export"), this);
    m_picker->fill(main.session().collectionPath());
    layout->addWidget(m_picker, 1);
    m_save = new QPushButton(tr("Save &File"), this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    auto *exit = new QPushButton(tr("&Exit"), this);
    exit->setObjectName(QStringLiteral("ExitButton"));
    layout->addLayout(m_picker->buttonRow(m_save, exit));
    connect(m_save, &QPushButton::clicked, this, &ExportPuzzlesDialog::exportChosen);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

void ExportPuzzlesDialog::exportChosen()
{
    UiHost &host = m_main.host();
    Session &session = m_main.session();
    const auto records = m_picker->selectedRecords();
    if (records.empty()) {
        host.message(this, tr("Error"), tr("No puzzles have been selected for export."), Buttons::Ok);
        return;
    }
    FileRequest request{tr("Save Crossword Puzzles"),
                        QCoreApplication::translate("qx", CollectionFilter),
                        QStringLiteral("QX3"),
                        session.settings.misc.lastExportPuzzleFile,
                        false,
                        true};
    const auto path = host.saveFileName(this, request);
    if (path) {
        session.settings.misc.lastExportPuzzleFile = *path;
        const auto exported =
            exportPuzzles(session.collectionFile(), records, CollectionFile(*path), m_picker->listed());
        if (!exported && exported.error().kind == FileError::Kind::Changed) {
            // The list is read again and stays open for the user to choose from what is there now.
            host.fileChanged(this, exported.error(), tr("No puzzles were exported; the list now shows the change."));
            m_picker->fill(session.collectionPath());
            return;
        }
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

void runPuzzleExport(MainWindow &main, Session &session, UiHost &host)
{
    (void)session;
    ExportPuzzlesDialog dialog(main, &main);
    host.runModal(dialog);
}

} // namespace qx
