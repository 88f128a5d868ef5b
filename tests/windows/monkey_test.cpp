// A bounded monkey per window, through the real Qt host: random text (characters Windows-1252
// cannot hold, control characters, very long strings) into every control, every enabled button and
// action pressed, boxes answered at random. Nothing may crash, and no file may change that the
// scenario did not mean to write. QUORVEX_MONKEY_EVENTS and QUORVEX_MONKEY_SEED run it longer or
// differently; QUORVEX_MONKEY_TRACE=1 prints each action.
#include "app/ui/help_window.h"
#include "app/ui/manual_notice_dialog.h"
#include "builder/grid_builder.h"
#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "common/cp1252.h"
#include "export/export_formats.h"
#include "export/ui/metafile_creation_dialog.h"
#include "export/ui/pixel_width_dialog.h"
#include "export/ui/web_page_dialog.h"
#include "layout/layout_defaults.h"
#include "layout/ui/border_dialog.h"
#include "layout/ui/fill_dialog.h"
#include "layout/ui/grid_properties_dialog.h"
#include "layout/ui/heading_text_dialog.h"
#include "layout/ui/number_font_dialog.h"
#include "layout/ui/object_properties_dialog.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/size_position_dialog.h"
#include "layout/ui/text_input_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/partial_answers_dialog.h"
#include "report/ui/preview_window.h"
#include "report/ui/print_options_dialog.h"
#include "store/collection_file.h"
#include "words/ui/add_a_clue_dialog.h"
#include "words/ui/word_list_export_dialog.h"
#include "words/ui/word_list_import_dialog.h"

#include "support/monkey.h"
#include "support/real_host.h"
#include "support/shapes.h"
#include "windows/window_scene.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

struct WindowCase {
    const char *name;
    std::function<QWidget *(Scene &)> open;
    // Files the scenario may write (the monkey saves through them on purpose); checked to be whole.
    QStringList mayChange = {};
    QStringList skip = {};
    int maxDepth = 3;
    QString fileAnswer = {}; // a file name in the start-up folder given to every file dialog
};

void PrintTo(const WindowCase &c, std::ostream *os)
{
    *os << c.name;
}

const QString Collection = QStringLiteral("SAMPLE.QX3");
// The shape editor's Save, reached from the word list editor's shape list, writes the library.
const QString Shapes = QStringLiteral("QXFLAY.DAT");
// The layout library's Delete, Import and Extract and the page designer's Save write the layout library.
const QString Layouts = QStringLiteral("QXFPAGE.DAT");
// The spell check's Add and the main window's dictionary commands write the user's word lists.
const QStringList UserLists = [] {
    QStringList names;
    for (const char *language : {"Engl", "Brit", "Span", "Ital", "Frnch", "Germ", "Dutch", "Swed"})
        names << QStringLiteral("Inc%1.tlx").arg(QLatin1String(language))
              << QStringLiteral("Exc%1.tlx").arg(QLatin1String(language));
    return names;
}();

LayoutObject designObject(ObjectKind kind)
{
    const PageLayout page = newLayout(2);
    return newLayoutObject(kind, 36, 36, page, 2, {});
}

const WindowCase Cases[] = {
    {"MainWindow",
     [](Scene &s) -> QWidget * {
         s.p.window->show();
         return s.p.window.get();
     },
     QStringList{Collection, Shapes, Layouts} + UserLists,
     // Exit writes the settings; the manual would be opened by the desktop's viewer.
     {QStringLiteral("MenuExit"), QStringLiteral("MenuUserManual")},
     2},
    {"NewPuzzle", [](Scene &s) { return s.command("MenuNewPuzzle"); },
     QStringList{Collection, Shapes, Layouts} + UserLists},
    {"ModifyPuzzle", [](Scene &s) { return s.command("MenuModifyPuzzle"); },
     QStringList{Collection, Shapes, Layouts} + UserLists},
    {"ShapeLibrary", [](Scene &s) { return s.command("MenuPuzzleShape"); }, {Shapes}},
    {"PuzzleWords", [](Scene &s) { return s.command("MenuPuzzleWords"); }, {Collection}},
    {"AddAClue",
     [](Scene &s) {
         AddAClueDialog dialog(s.look(), s.p.host, QStringLiteral("EWE"),
                               s.p.session.settings.createOptions.caseSensitivity);
         return s.modal(dialog);
     }},
    {"PageLayouts", [](Scene &s) { return s.command("MenuPageLayout"); }, {Layouts}},
    {"PrintOptions",
     [](Scene &s) {
         PrintOptionsDialog dialog(s.look(), s.p.session.settings, s.p.host, s.record);
         dialog.setPrinterFactory(s.pdfPrinter());
         return s.modal(dialog);
     },
     {},
     {},
     4},
    {"Preview",
     [](Scene &s) {
         const RenderedPage page = renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings));
         PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record, page.stream, s.pdfPrinter());
         preview.setFits(page.fits);
         return s.modal(preview);
     },
     // Every export is written to the one file the dialogs are given; the web page's picture beside it.
     {QStringLiteral("PAGE.htm"), QStringLiteral("PAGE.JPG")},
     {},
     3,
     QStringLiteral("PAGE.htm")},
    {"PixelWidth",
     [](Scene &s) {
         PixelWidthDialog dialog(s.look(), s.p.host, PixelWidthDialog::Mode::Jpeg, 640, QSizeF(8.5, 11));
         return s.modal(dialog);
     }},
    {"JpegFactor", [](Scene &s) { return s.command("MenuJpegFactor"); }},
    {"WebPage",
     [](Scene &s) {
         WebPageDialog dialog(s.look(), s.p.session.settings, s.p.host,
                              renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream, 0);
         return s.modal(dialog);
     },
     {QStringLiteral("PAGE.htm"), QStringLiteral("PAGE.JPG")},
     {},
     3,
     QStringLiteral("PAGE.htm")},
    {"MetafileCreation",
     [](Scene &s) {
         const RenderedPage page = renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings));
         ExportInput input;
         input.record = &s.record;
         input.fits = page.fits.get();
         MetafileCreationDialog creation(s.look(), s.p.host, metafileFormat(MetafileKind::Emf), input,
                                         s.p.startup.file(QStringLiteral("page.emf")));
         return s.modal(creation);
     },
     {QStringLiteral("page.emf")}},
    {"PageDesigner",
     [](Scene &s) {
         PageDesignerWindow designer(
             PageDesignerContext{s.look(), s.p.session.settings, s.p.host, s.p.session.layoutLibrary().path(), {}},
             DesignerRequest{DesignerMode::Modify, builtInDefaultLayout(), 1});
         return s.modal(designer);
     },
     {QStringLiteral("QXFPAGE.DAT")}},
    {"Copies",
     [](Scene &s) {
         CopiesDialog dialog(s.look(), s.p.host);
         return s.modal(dialog);
     }},
    {"ClueHeaders", [](Scene &s) { return s.command("MenuClueHeaders"); }},
    {"BonusQuestion",
     [](Scene &s) {
         BonusQuestionDialog dialog(s.look(), s.p.host, QStringLiteral("Which bird sings at dawn?"));
         return s.modal(dialog);
     }},
    {"PartialAnswers",
     [](Scene &s) {
         QStringList words;
         for (int i = 0; i < s.record.wordsInUse(); ++i)
             words << cp1252::toUnicode(s.record.Words[static_cast<size_t>(i)].str());
         PartialAnswersDialog dialog(s.look(), words, s.filledIn);
         return s.modal(dialog);
     }},
    {"Candidates",
     [](Scene &s) {
         const ShapeRecord shape = fullShape(13, 13);
         Build(s.record, shape, BuildOptions{3, false, false, 17, 1}, s.candidates);
         CandidatesDialog dialog(s.look(), s.record, s.candidates, shape,
                                 SaveTarget{s.p.startup.file(QStringLiteral("OUT.QX3")), {}, {}}, s.p.host);
         return s.modal(dialog);
     },
     {QStringLiteral("OUT.QX3")}},
    {"BuildProgress",
     [](Scene &s) {
         BuildProgressDialog dialog(s.look(), s.record, fullShape(25, 25), BuildOptions{500, false, false, 3, 1},
                                    s.candidates);
         return s.modal(dialog);
     }},
    {"BuildProgressSmallestSquare",
     [](Scene &s) {
         BuildProgressDialog dialog(s.look(), s.record, fullShape(25, 25), BuildOptions{50, false, false, 3, 1, true},
                                    s.candidates, nullptr, true);
         return s.modal(dialog);
     }},
    {"TipOfTheDay", [](Scene &s) { return s.command("MenuTips"); }},
    {"About", [](Scene &s) { return s.command("MenuAbout"); }},
    {"ManualNotice",
     [](Scene &s) {
         ManualNoticeDialog notice(s.look(), s.p.host, s.p.session.paths.programDir);
         notice.setOpener([](const QUrl &) { return false; });
         return s.modal(notice);
     }},
    {"Help",
     [](Scene &s) -> QWidget * {
         s.command("MenuHelpContents");
         for (QWidget *w : QApplication::topLevelWidgets()) {
             if (qobject_cast<HelpWindow *>(w) && w->isVisible())
                 return w;
         }
         return nullptr;
     }},
    {"ImportPuzzles",
     [](Scene &s) { return s.command("MenuImport"); },
     {Collection},
     {},
     3,
     QStringLiteral("OTHER.QX3")},
    {"WordSeparators", [](Scene &s) { return s.command("MenuWordSeparators"); }},
    {"InternationalCharacters", [](Scene &s) { return s.command("MenuIntlChars"); }},
    // Spelling and thesaurus: the user lists are the only files their windows write.
    {"DictionaryMaintenance",
     [](Scene &s) { return s.command("MenuAddToDictionary"); },
     {QStringLiteral("IncEngl.tlx")}},
    {"SpellCheckChoice",
     [](Scene &s) {
         LanguageChoiceDialog dialog(s.look(), QStringLiteral("Spell Check"),
                                     {QStringLiteral("&American"), QStringLiteral("&British")}, {true, false},
                                     s.p.session.settings.misc.userDictionary);
         return s.modal(dialog);
     }},
    {"SpellingSuggestions",
     [](Scene &s) {
         SpellingSuggestionsDialog dialog(s.look(), s.p.host, QStringLiteral("American"), QStringLiteral("recieve"),
                                          {QStringLiteral("receive"), QStringLiteral("relieve")});
         return s.modal(dialog);
     }},
    {"ThesaurusLookup",
     [](Scene &s) {
         ThesaurusLookupDialog dialog(s.look(), s.p.host, s.p.session.paths.programDir, 1, QStringLiteral("happy"));
         return s.modal(dialog);
     }},
    {"WordSuggestions",
     [](Scene &s) {
         WordSuggestionsDialog dialog(s.look(), QStringLiteral("hapy"),
                                      {QStringLiteral("happy"), QStringLiteral("harpy")});
         return s.modal(dialog);
     }},
    {"WordListImport",
     [](Scene &s) {
         QFile list(s.p.startup.file(QStringLiteral("WORDS.TXT")));
         if (list.open(QIODevice::WriteOnly))
             list.write("OWL:night bird\r\nWREN:small: brown\r\nCAF\xC9\r\n\xCE\xA9\r\n");
         WordListImportDialog dialog(s.look(), s.p.session.settings, s.p.host, recordRows(s.record));
         return s.modal(dialog);
     },
     {QStringLiteral("WORDS.TXT")},
     {},
     3,
     QStringLiteral("WORDS.TXT")},
    {"WordListExport",
     [](Scene &s) {
         WordListExportDialog dialog(s.look(), s.p.session.settings, s.p.host, recordRows(s.record), false);
         return s.modal(dialog);
     },
     {QStringLiteral("WORDS.TXT")},
     {},
     3,
     QStringLiteral("WORDS.TXT")},
    {"ExportPuzzles",
     [](Scene &s) { return s.command("MenuExport"); },
     {QStringLiteral("EXPORT.QX3")},
     {},
     3,
     QStringLiteral("EXPORT.QX3")},
    // The page designer's object dialogs, each on an object of its kind.
    {"ObjectSizePosition",
     [](Scene &s) {
         SizePositionDialog dialog(s.look(), s.p.host, designObject(ObjectKind::Title), 72, true, 612, 792);
         return s.modal(dialog);
     }},
    {"ObjectBorder",
     [](Scene &s) {
         BorderDialog dialog(s.look(), s.p.host, designObject(ObjectKind::Rectangle));
         return s.modal(dialog);
     }},
    {"ObjectFill",
     [](Scene &s) {
         FillDialog dialog(s.look(), s.p.host, designObject(ObjectKind::Circle));
         return s.modal(dialog);
     }},
    {"ObjectProperties",
     [](Scene &s) {
         ObjectPropertiesDialog dialog(s.look(), s.p.host, designObject(ObjectKind::CombinedClues));
         return s.modal(dialog);
     }},
    {"GridProperties",
     [](Scene &s) {
         GridPropertiesDialog dialog(s.look(), s.p.host, designObject(ObjectKind::Puzzle));
         return s.modal(dialog);
     }},
    {"ObjectText",
     [](Scene &s) {
         TextInputDialog dialog(s.look(), s.p.host, "Name:\r\nDate:");
         return s.modal(dialog);
     }},
    {"HeadingText",
     [](Scene &s) {
         HeadingTextDialog dialog(s.look(), s.p.host, ObjectKind::AcrossHeading, "Across");
         return s.modal(dialog);
     }},
    {"ClueNumberFont",
     [](Scene &s) {
         NumberFontDialog dialog(s.look(), s.p.host, designObject(ObjectKind::Puzzle));
         return s.modal(dialog);
     }},
};

class WindowMonkey : public ::testing::TestWithParam<WindowCase> {};

// A collection the monkey saved into is still whole records, each one readable.
void expectWholeCollection(const QString &path)
{
    if (!QFile::exists(path))
        return;
    const CollectionFile file(path);
    const auto count = file.count();
    ASSERT_TRUE(count) << path.toStdString();
    EXPECT_EQ(QFileInfo(path).size() % 69623, 0) << path.toStdString();
    for (int i = 0; i < *count; ++i)
        EXPECT_TRUE(file.read(i)) << path.toStdString() << " record " << i;
}

} // namespace

TEST_P(WindowMonkey, NothingCrashesAndNoFileChangesUnasked)
{
    const WindowCase &c = GetParam();
    Scene scene;
    QFile::copy(scene.p.collection(), scene.p.startup.file(QStringLiteral("OTHER.QX3")));
    MonkeyOptions options = monkeyOptions(250);
    options.maxDepth = c.maxDepth;
    options.skip = c.skip;
    if (!c.fileAnswer.isEmpty())
        options.fileAnswer = scene.p.startup.file(c.fileAnswer);
    const QStringList watched{scene.p.startup.path(), scene.p.program.path()};
    const FileSnapshot before = FileSnapshot::take(watched);

    Monkey monkey(options);
    QElapsedTimer clock;
    clock.start();
    monkey.play([&] { return c.open(scene); });
    RecordProperty("events", monkey.events());
    RecordProperty("milliseconds", static_cast<int>(clock.elapsed()));

    EXPECT_GE(monkey.events(), options.events) << "the window stopped taking events; last actions:\n"
                                               << monkey.recentActions().toStdString();
    QStringList allowed = c.mayChange;
    const QStringList changes = FileSnapshot::take(watched).changesSince(before, allowed);
    EXPECT_TRUE(changes.isEmpty()) << changes.join(QLatin1Char('\n')).toStdString() << "\nseed " << options.seed
                                   << ", last actions:\n"
                                   << monkey.recentActions().toStdString();
    for (const QString &name : c.mayChange) {
        if (name.endsWith(QLatin1String(".QX3")))
            expectWholeCollection(scene.p.startup.file(name));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowMonkey, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.name); });
