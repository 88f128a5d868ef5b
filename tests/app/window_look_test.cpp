// Every window of the program shown offscreen at the screen factors 1.0 and 1.6 (where the screen
// allows the larger one): each lies wholly on the screen, no label, button, check box or group
// title is narrower or lower than its text needs, and a picture of each lands in the build tree's
// screenshots/ for a person to look at. The suite also runs on the screens of small laptops and at
// the desktop's scale factors (QUORVEX_TEST_SCREEN, QT_SCALE_FACTOR: see tests/CMakeLists.txt), and in
// every language of the windows (QUORVEX_TEST_LANGUAGE), where no two captions shown together share
// an accelerator that their English texts do not share.

#include "app/ui/about_box.h"
#include "app/ui/export_puzzles_dialog.h"
#include "app/ui/help_window.h"
#include "app/ui/import_puzzles_dialog.h"
#include "app/ui/manual_notice_dialog.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "builder/ui/enlarged_candidate_dialog.h"
#include "common/translations.h"
#include "common/ui/dialog_conventions.h"
#include "export/ui/web_page_dialog.h"
#include "layout/layout_defaults.h"
#include "layout/ui/border_dialog.h"
#include "layout/ui/fill_dialog.h"
#include "layout/ui/grid_properties_dialog.h"
#include "layout/ui/heading_text_dialog.h"
#include "layout/ui/number_font_dialog.h"
#include "layout/ui/object_properties_dialog.h"
#include "layout/ui/size_position_dialog.h"
#include "layout/ui/text_input_dialog.h"
#include "lexicon/ui/clue_suggestions_dialog.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/lexicon_windows.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "lexicon/user_word_list.h"
#include "render/render_page.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/partial_answers_dialog.h"
#include "report/ui/preview_window.h"
#include "report/ui/print_options_dialog.h"
#include "report/ui/print_status_dialog.h"
#include "shapes/shape_record.h"
#include "words/ui/word_list_export_dialog.h"
#include "words/ui/word_list_import_dialog.h"
#include "words/word_list_text.h"

#include "support/program_fixture.h"
#include "support/pseudo_translation.h"
#include "support/screenshots.h"
#include "support/translation_files.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

// The texts of a window's labels, buttons, check boxes and group titles that are shown smaller
// than they need.
QStringList clippedTexts(const QWidget &window)
{
    QStringList out;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->wordWrap())
                continue;
            text = label->text();
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            text = button->text();
        } else if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
            text = group->title();
        }
        if (text.isEmpty())
            continue;
        const QSize need = w->minimumSizeHint();
        if (w->width() < need.width() || w->height() < need.height())
            out << QStringLiteral("\"%1\" %2x%3 < %4x%5")
                       .arg(text)
                       .arg(w->width())
                       .arg(w->height())
                       .arg(need.width())
                       .arg(need.height());
    }
    return out;
}

// Texts this test hands a window itself, as the user's data, and the languages' own names, the
// same in every language: they carry no translation marks.
QStringList givenTexts(const QString &)
{
    QStringList out = {QStringLiteral("Best Fit"), QStringLiteral("recieve"), QStringLiteral("hapy")};
    for (const ProgramLanguage &language : programLanguages())
        out << QString::fromUtf8(language.caption) << QString::fromUtf8(language.caption).remove(QLatin1Char('&'));
    return out;
}

// A text the program's callers hand a window, translated as they translate it.
QString programText(const char *text)
{
    return QCoreApplication::translate("qx", text);
}

// The screen the windows are shown on, as the program would take it.
QSize screenSize()
{
    return QGuiApplication::primaryScreen()->availableGeometry().size();
}

// 1.0, and 1.6 ("1024 x 768") when the screen is large enough for the program to offer it.
std::vector<double> programFactors()
{
    std::vector<double> factors{1.0};
    if (pseudoTranslationInstalled())
        return factors;
    if (screenFactorFor(1024, screenSize()) > 1.0)
        factors.push_back(screenFactorFor(1024, screenSize()));
    return factors;
}

QString rectText(QRect r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void look(QWidget &window, const QString &name, double factor)
{
    window.show();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    if (pseudoTranslationInstalled()) {
        // Run under a pseudo-translation (tests/CMakeLists.txt), only where each text comes from counts.
        EXPECT_EQ(unmarkedTexts(window, givenTexts(name)), QStringList()) << name.toStdString();
        window.hide();
        return;
    }
    EXPECT_EQ(clippedTexts(window), QStringList()) << name.toStdString() << " at " << factor;
    EXPECT_EQ(acceleratorClashes(window), QStringList()) << name.toStdString();
    const QRect screen = availableArea(window);
    EXPECT_TRUE(screen.contains(window.frameGeometry()))
        << name.toStdString() << " at " << factor << ": " << rectText(window.frameGeometry()).toStdString()
        << " on a screen of " << rectText(screen).toStdString();
    const QString dir = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    // Runs on other screens and scales keep their own pictures.
    QString run;
    if (qEnvironmentVariableIsSet("QUORVEX_TEST_SCREEN") || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        run = QStringLiteral("_%1@%2").arg(qEnvironmentVariable("QUORVEX_TEST_SCREEN", QStringLiteral("1280x1024")),
                                           qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
    if (currentLanguage() != QLatin1String("en"))
        run += QLatin1Char('_') + currentLanguage();
    EXPECT_TRUE(
        window.grab().save(dir + QStringLiteral("/look_%1_%2%3.png").arg(name).arg(factor, 0, 'f', 1).arg(run)));
    window.hide();
}

} // namespace

TEST(WindowLook, EveryWindowShowsItsTextsWholeAtBothFactors)
{
    for (const double factor : programFactors()) {
        Program p;
        p.session.screen = screenSize();
        p.session.settings.misc.showTips = false;
        p.session.screenFactor = factor;
        p.session.settings.misc.lastCollection = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
        p.window->applyScreenFactor();
        p.window->loadInPuzzles();
        p.window->selectFirstPuzzle();
        ASSERT_TRUE(p.window->readSelectedPuzzle(QString()));
        PuzzleRecord &record = *p.session.current;
        const DialogLook dialogLook = p.session.look();
        Settings &settings = p.session.settings;
        UiHost &host = p.host;

        look(*p.window, QStringLiteral("main_window"), factor);
        {
            AboutBox w(dialogLook);
            look(w, QStringLiteral("about_box"), factor);
        }
        {
            TipOfTheDayDialog w(dialogLook, true, 1);
            look(w, QStringLiteral("tip_of_the_day"), factor);
        }
        {
            ManualNoticeDialog w(dialogLook, host, p.program.path());
            look(w, QStringLiteral("manual_notice"), factor);
        }
        {
            ImportPuzzlesDialog w(*p.window, p.session.settings.misc.lastCollection, nullptr);
            look(w, QStringLiteral("import_puzzles"), factor);
        }
        {
            ExportPuzzlesDialog w(*p.window, nullptr);
            look(w, QStringLiteral("export_puzzles"), factor);
        }
        for (const auto mode : {ClueHeadersDialog::Mode::Default, ClueHeadersDialog::Mode::Print}) {
            ClueHeadersDialog w(dialogLook, host, mode, QStringLiteral("Across"), QStringLiteral("Down"));
            look(w,
                 mode == ClueHeadersDialog::Mode::Default ? QStringLiteral("clue_headers_default")
                                                          : QStringLiteral("clue_headers_print"),
                 factor);
        }
        {
            BonusQuestionDialog w(dialogLook, host, QStringLiteral("Which bird sings at night?"));
            look(w, QStringLiteral("bonus_question"), factor);
        }
        {
            std::array<uint8_t, MaxWords> filledIn{};
            PartialAnswersDialog w(dialogLook, {QStringLiteral("NIGHTINGALE"), QStringLiteral("OWL")}, filledIn);
            look(w, QStringLiteral("partial_answers"), factor);
        }
        {
            PrintOptionsDialog w(dialogLook, settings, host, record);
            look(w, QStringLiteral("print_options"), factor);
        }
        const PrintOptions options = printOptionsFromSettings(settings);
        {
            PrintStatusDialog w(dialogLook, host, record, options);
            look(w, QStringLiteral("print_status"), factor);
            w.makePages();
            look(w, QStringLiteral("print_status_done"), factor);
        }
        {
            PreviewWindow w(dialogLook, settings, host, record, renderPuzzlePage(record, options).stream,
                            [] { return std::unique_ptr<QPrinter>(); });
            look(w, QStringLiteral("print_preview"), factor);
        }
        {
            CopiesDialog w(dialogLook, host);
            look(w, QStringLiteral("copies"), factor);
        }
        {
            ShapeRecord shape;
            EnlargedCandidateDialog w(dialogLook, record, 1, shape, QStringLiteral("Best Fit"));
            look(w, QStringLiteral("enlarged_candidate"), factor);
        }
    }
}

TEST(WindowLook, ObjectDialogsShowTheirTextsWholeAtBothFactors)
{
    Program p;
    p.session.screen = screenSize();
    const PageLayout page = newLayout(2);
    const auto object = [&](ObjectKind kind) { return newLayoutObject(kind, 36, 36, page, 2, {}); };
    for (const double factor : programFactors()) {
        p.session.screenFactor = factor;
        const DialogLook dialogLook = p.session.look();
        UiHost &host = p.host;
        {
            SizePositionDialog w(dialogLook, host, object(ObjectKind::Title), 72, true, 612, 792);
            look(w, QStringLiteral("object_size_position"), factor);
        }
        {
            BorderDialog w(dialogLook, host, object(ObjectKind::Rectangle));
            look(w, QStringLiteral("object_border"), factor);
        }
        {
            FillDialog w(dialogLook, host, object(ObjectKind::Circle));
            look(w, QStringLiteral("object_fill"), factor);
        }
        {
            ObjectPropertiesDialog w(dialogLook, host, object(ObjectKind::CombinedClues));
            look(w, QStringLiteral("object_properties"), factor);
        }
        {
            GridPropertiesDialog w(dialogLook, host, object(ObjectKind::Puzzle));
            look(w, QStringLiteral("object_grid_properties"), factor);
        }
        {
            TextInputDialog w(dialogLook, host, "Name:\r\nDate:");
            look(w, QStringLiteral("object_text"), factor);
        }
        {
            HeadingTextDialog w(dialogLook, host, ObjectKind::DownHeading, "Down");
            look(w, QStringLiteral("object_heading_text"), factor);
        }
        {
            NumberFontDialog w(dialogLook, host, object(ObjectKind::Puzzle));
            look(w, QStringLiteral("object_number_font"), factor);
        }
    }
}

TEST(WindowLook, SpellingAndThesaurusWindowsShowTheirTextsWholeAtBothFactors)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    p.session.screen = screenSize();
    const QString dir = p.session.paths.programDir;
    ASSERT_TRUE(writeUserWordList(dir + QStringLiteral("/IncEngl.tlx"),
                                  {QStringLiteral("Quorvex"), QStringLiteral("Zorbleq")}));
    for (const double factor : programFactors()) {
        p.session.screenFactor = factor;
        const DialogLook dialogLook = p.session.look();
        UiHost &host = p.host;
        int choice = 2;
        {
            LanguageChoiceDialog w(dialogLook, programText("Spell Check"),
                                   {programText("&American"), programText("&British"), programText("&Spanish"),
                                    programText("&Italian"), programText("&French"), programText("&German"),
                                    programText("&Dutch"), programText("S&wedish")},
                                   {true, true, true, true, false, true, true, true}, choice);
            look(w, QStringLiteral("spell_check_choice"), factor);
        }
        {
            SpellingSuggestionsDialog w(
                dialogLook, host, QStringLiteral("American"), QStringLiteral("recieve"),
                {QStringLiteral("receive"), QStringLiteral("relieve"), QStringLiteral("recede")});
            look(w, QStringLiteral("spelling_suggestions"), factor);
        }
        {
            DictionaryMaintenanceDialog w(dialogLook, host, dir, 1, UserList::Include);
            look(w, QStringLiteral("dictionary_maintenance"), factor);
        }
        {
            ThesaurusLookupDialog w(dialogLook, host, dir, 1, QStringLiteral("happy"));
            look(w, QStringLiteral("thesaurus_lookup"), factor);
        }
        {
            int thesaurus = 4;
            LanguageChoiceDialog w(dialogLook, programText("Thesaurus"),
                                   {programText("&American"), programText("&British"), programText("&Spanish"),
                                    programText("&Italian"), programText("&French"), programText("&German"),
                                    programText("S&wedish")},
                                   {true, true, true, true, true, true, false}, thesaurus, nullptr,
                                   {1, 2, 4, 5, 6, 7, 8}, noDutchThesaurusNote());
            look(w, QStringLiteral("thesaurus_choice"), factor);
        }
        {
            ClueSuggestionsDialog w(dialogLook, host, QStringLiteral("English"),
                                    {{QStringLiteral("RAIN"),
                                      QString(),
                                      {QStringLiteral("Water falling in drops from vapor condensed in the atmosphere"),
                                       QStringLiteral("Drops of fresh water that fall as precipitation from clouds")}},
                                     {QStringLiteral("QQXQZZ"), QString(), {}},
                                     {QStringLiteral("THUNDER"),
                                      QStringLiteral("Loud noise"),
                                      {QStringLiteral("A deep prolonged loud noise")}}});
            look(w, QStringLiteral("clue_suggestions"), factor);
        }
        {
            WordSuggestionsDialog w(dialogLook, QStringLiteral("hapy"),
                                    {QStringLiteral("happy"), QStringLiteral("harpy")});
            look(w, QStringLiteral("word_suggestions"), factor);
        }
    }
}

TEST(WindowLook, TheWordListWindowsAndThoseTheMenusOpenFitTheScreen)
{
    for (const double factor : programFactors()) {
        Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
        p.session.screen = screenSize();
        p.session.settings.misc.showTips = false;
        p.session.screenFactor = factor;
        p.session.settings.misc.lastCollection = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
        p.window->applyScreenFactor();
        p.window->loadInPuzzles();
        p.window->selectFirstPuzzle();
        ASSERT_TRUE(p.window->readSelectedPuzzle(QString()));
        const DialogLook dialogLook = p.session.look();
        Settings &settings = p.session.settings;

        // The windows the main window opens through the host, each looked at as it comes up.
        const auto &actions = p.window->actions();
        const struct {
            const char *name;
            QAction *action;
        } opened[] = {
            {"word_list_editor_new", actions.newPuzzle},
            {"word_list_editor_modify", actions.modifyPuzzle},
            {"shape_library", actions.puzzleShape},
            {"layout_library", actions.pageLayout},
            {"international_characters", actions.internationalChars},
            {"word_separators", actions.wordSeparators},
            {"jpeg_factor", actions.jpegFactor},
        };
        for (const auto &o : opened) {
            bool seen = false;
            p.host.onModal([&](QDialog &d) {
                seen = true;
                look(d, QString::fromLatin1(o.name), factor);
                return static_cast<int>(QDialog::Rejected);
            });
            o.action->trigger();
            EXPECT_TRUE(seen) << o.name;
        }
        actions.helpContents->trigger();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *help = qobject_cast<HelpWindow *>(w)) {
                look(*help, QStringLiteral("help"), factor);
                help->close();
            }
        }

        const auto rows = recordRows(*p.session.current);
        {
            WordListImportDialog w(dialogLook, settings, p.host, rows);
            look(w, QStringLiteral("word_list_import"), factor);
        }
        {
            WordListExportDialog w(dialogLook, settings, p.host, rows, false);
            look(w, QStringLiteral("word_list_export"), factor);
        }
        const auto stream = renderPuzzlePage(*p.session.current, printOptionsFromSettings(settings)).stream;
        {
            WebPageDialog w(dialogLook, settings, p.host, stream, 0);
            look(w, QStringLiteral("web_page"), factor);
        }
        {
            // Remembered on a larger screen, partly off this one.
            settings.reports.viewerLeft = -218;
            settings.reports.viewerTop = 40;
            settings.reports.viewerWidth = 1440;
            settings.reports.viewerHeight = 1600;
            PreviewWindow w(dialogLook, settings, p.host, *p.session.current, stream,
                            [] { return std::unique_ptr<QPrinter>(); });
            look(w, QStringLiteral("print_preview_remembered"), factor);
        }
    }
}
