#include "report/ui/print_windows.h"

#include "app/session.h"
#include "app/ui/help_window.h"
#include "common/ui/ui_host.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/print_options_dialog.h"

namespace qx {

void openPrintOptions(QWidget *parent, Session &session, UiHost &host, const PuzzleRecord &record)
{
    PrintOptionsDialog dialog(session.look(), session.settings, host, record, parent);
    const QString programDir = session.paths.programDir;
    dialog.setHelp(
        [&dialog, &host, programDir] { showHelp(&dialog, host, programDir, QStringLiteral("Report Window")); });
    host.runModal(dialog);
}

void openDefaultClueHeaders(QWidget *parent, Session &session, UiHost &host)
{
    auto &r = session.settings.reports;
    ClueHeadersDialog dialog(session.look(), host, ClueHeadersDialog::Mode::Default, r.acrossLabel, r.downLabel,
                             parent);
    if (host.runModal(dialog) != QDialog::Accepted)
        return;
    r.acrossLabel = dialog.across();
    r.downLabel = dialog.down();
}

} // namespace qx
