#include "report/ui/print_windows.h"

#include "common/ui/ui_host.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/print_options_dialog.h"
#include "store/settings.h"

namespace qx {

void openPrintOptions(QWidget *parent, const PrintContext &context, const PuzzleRecord &record)
{
    PrintOptionsDialog dialog(context.look, context.settings, context.host, record, parent);
    if (context.help)
        dialog.setHelp([&dialog, help = context.help] { help(&dialog, QStringLiteral("Report Window")); });
    if (context.chooseLayout)
        dialog.setLayoutChooser(context.chooseLayout);
    context.host.runModal(dialog);
}

void openDefaultClueHeaders(QWidget *parent, const PrintContext &context)
{
    auto &r = context.settings.reports;
    ClueHeadersDialog dialog(context.look, context.host, ClueHeadersDialog::Mode::Default, r.acrossLabel, r.downLabel,
                             parent);
    if (context.host.runModal(dialog) != QDialog::Accepted)
        return;
    r.acrossLabel = dialog.across();
    r.downLabel = dialog.down();
}

} // namespace qx
