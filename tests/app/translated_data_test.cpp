// Under a translation the windows speak the user's language, but nothing the program stores
// changes with it: settings, layouts and exported files hold what the user typed or the program's
// English defaults. Run under a pseudo-translation that marks every translated text, so a
// translated text that reaches a file shows.

#include "export/export_formats.h"
#include "layout/ui/page_designer_window.h"
#include "render/render_page.h"
#include "store/settings.h"

#include "support/program_fixture.h"
#include "support/pseudo_translation.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

QString markIn(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    const qsizetype at = text.indexOf(PseudoMark);
    return at < 0 ? QString() : text.mid(std::max<qsizetype>(0, at - 20), 80);
}

} // namespace

TEST(TranslatedProgram, StoresAndExportsItsTextsAsInEnglish)
{
    const PseudoTranslation translation;
    if (!translation.failure().isEmpty())
        GTEST_SKIP() << translation.failure().toStdString();
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"), true);
    p.session.settings.misc.showTips = false;
    p.session.settings.misc.lastCollection = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
    p.window->loadInPuzzles();
    p.window->selectFirstPuzzle();
    ASSERT_TRUE(p.window->readSelectedPuzzle(QString()));
    // The windows are translated, or this proves nothing.
    ASSERT_TRUE(p.window->windowTitle().contains(PseudoMark)) << p.window->windowTitle().toStdString();

    // The clue headings taken as the window shows them, and a paper chosen by its shown name.
    p.host.onModal([](QDialog &) { return static_cast<int>(QDialog::Accepted); });
    p.window->actions().clueHeaders->trigger();
    TempDir dir;
    PageDesignerWindow designer(
        {p.session.look(), p.session.settings, p.host, dir.file(QStringLiteral("PAGES.PAG")), {}}, DesignerRequest{});
    designer.show();
    // The ISO papers have the same names in every language.
    EXPECT_EQ(unmarkedTexts(designer, {QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("B5")}),
              QStringList());
    designer.paperList()->setCurrentIndex(1);
    EXPECT_TRUE(designer.paperList()->currentText().contains(PseudoMark));
    EXPECT_EQ(designer.working().PaperName.str(), "Legal");
    EXPECT_EQ(designer.working().LayoutName.str(), "New Page");

    struct Written {
        QString what;
        QByteArray bytes;
    };
    std::vector<Written> files;
    const QString settingsFile = dir.file(QStringLiteral("QX.INI"));
    ASSERT_TRUE(saveSettings(settingsFile, p.session.settings));
    QFile settings(settingsFile);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    files.push_back({QStringLiteral("settings"), settings.readAll()});

    const PuzzleRecord &record = *p.session.current;
    const RenderedPage page = renderPuzzlePage(record, printOptionsFromSettings(p.session.settings));
    ExportInput input;
    input.record = &record;
    input.page = page.stream.get();
    input.pixelWidth = 300;
    input.fits = page.fits.get();
    for (const ExportFormat *format : exportFormats()) {
        TempDir out;
        ASSERT_TRUE(format->write(input, out.file(QStringLiteral("puzzle.") + format->suffix())))
            << format->name().toStdString();
        for (const QFileInfo &file : QDir(out.path()).entryInfoList(QDir::Files)) {
            QFile f(file.filePath());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            files.push_back({format->name() + QLatin1Char(' ') + file.fileName(), f.readAll()});
        }
    }
    EXPECT_EQ(files.size(), exportFormats().size() + 2) << "the settings, every export and the web page's picture";
    for (const Written &w : files) {
        if (w.what.startsWith(QLatin1String("Solvable web page")))
            // The one file made to be read in the user's language: its texts, its script's too.
            EXPECT_TRUE(QString::fromUtf8(w.bytes).contains(
                QStringLiteral("\"solved\":\"\u27e6Every letter is right: the puzzle is solved.\u27e7\"")))
                << w.what.toStdString();
        else
            EXPECT_EQ(markIn(w.bytes), QString()) << w.what.toStdString();
    }
}
