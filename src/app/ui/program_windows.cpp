#include "app/ui/program_windows.h"

#include "app/session.h"
#include "app/ui/about_box.h"
#include "app/ui/help_window.h"
#include "app/ui/main_window.h"
#include "app/ui/manual_notice.h"
#include "app/ui/tip_of_the_day.h"
#include "common/ui/ui_host.h"
#include "shapes/ui/shape_library_window.h"

#include <QRandomGenerator>

namespace qx {

void installProgramWindows(TMainWin &main, Session &session, UiHost &host)
{
    TMainWin::Windows windows;
    windows.tipOfTheDay = [&session, &host](TMainWin &w) {
        runTipOfTheDay(host, session.look(), session.settings.misc.showTips, &w, *QRandomGenerator::global());
    };
    windows.manualNotice = [&session, &host](TMainWin &w) {
        TManualNotice notice(session.look(), host, session.paths.programDir, &w);
        host.runModal(notice);
    };
    windows.aboutBox = [&session, &host](TMainWin &w) {
        TAboutBox about(session.look(), &w);
        host.runModal(about);
    };
    windows.help = [&session, &host](TMainWin &w, const QString &keyword) {
        showHelp(&w, host, session.paths.programDir, keyword);
    };
    windows.shapeLibrary = [&session, &host](TMainWin &w) {
        TSelectShapes shapes(
            ShapeListContext{session.shapeLibrary(), session.currentShape, session.settings, session.look()}, host, &w);
        host.runModal(shapes);
    };
    main.setWindows(std::move(windows));
}

} // namespace qx
