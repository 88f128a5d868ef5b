#include "output/ui/print_windows.h"

#include "app/session.h"
#include "app/ui/help_window.h"
#include "common/ui/ui_host.h"
#include "output/ui/clue_headers.h"
#include "output/ui/my_report.h"

namespace qx {

void openPrintOptions(QWidget *parent, Session &session, UiHost &host, const PuzzleRecord &record)
{
    TMyReport dialog(session.look(), session.settings, host, record, parent);
    const QString programDir = session.paths.programDir;
    dialog.setHelp(
        [&dialog, &host, programDir] { showHelp(&dialog, host, programDir, QStringLiteral("Report Window")); });
    host.runModal(dialog);
}

void openDefaultClueHeaders(QWidget *parent, Session &session, UiHost &host)
{
    auto &r = session.settings.reports;
    TClueHeaders dialog(session.look(), host, TClueHeaders::Mode::Default, r.acrossLabel, r.downLabel, parent);
    if (host.runModal(dialog) != QDialog::Accepted)
        return;
    r.acrossLabel = dialog.across();
    r.downLabel = dialog.down();
}

} // namespace qx
