// Every window's refusals and errors through the real Qt host: the boxes run their own modal
// loops and are answered from inside them, so a widget destroyed while a box is open and control
// returning into it afterwards crash here as they would for a user. Each case checks the boxes
// shown, that the window goes on, and that no file changed that the case did not mean to write.
#include "app/ui/manual_notice_dialog.h"
#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "builder/word_order.h"
#include "export/ui/jpeg_factor_dialog.h"
#include "export/ui/pixel_width_dialog.h"
#include "export/ui/web_page_dialog.h"
#include "layout/layout_defaults.h"
#include "layout/ui/border_dialog.h"
#include "layout/ui/object_menu.h"
#include "layout/ui/size_position_dialog.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/preview_window.h"
#include "report/ui/stream_preview.h"
#include "shapes/ui/shape_editor_dialog.h"
#include "words/ui/add_a_clue_dialog.h"
#include "words/ui/manual_placement_dialog.h"
#include "words/ui/word_list_editor.h"
#include "words/word_list_text.h"

#include "support/built_record.h"
#include "support/file_faults.h"
#include "support/monkey.h"
#include "support/real_host.h"
#include "support/shapes.h"
#include "windows/window_scene.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

using namespace qx;
using namespace qx::test;

namespace {

const QString Alpha = QStringLiteral("\u0391"); // looks like A, and Windows-1252 has no room for it

// Closes a window as its Escape key does, once the boxes of the case are answered.
void closeWhenAnswered(QWidget *window, const ModalAnswerer &answers, size_t boxes)
{
    spinUntil([&] { return answers.boxes().size() >= boxes; }, std::chrono::milliseconds(5000));
    if (QApplication::activeModalWidget() == window)
        dismiss(window);
}

// --- A character Windows-1252 cannot hold, typed into every text control that goes into a file ---

struct TypedField {
    const char *name;
    // Scripts the driver for the window (and whatever comes before it), then opens it.
    std::function<void(Scene &, ModalAnswerer &, const ModalAnswerer::Driver &)> open;
    // The control to type into, in the window the driver got (an editor for a cell).
    std::function<QWidget *(QWidget *window)> field;
};

WordListEditor *wordList(QWidget *w)
{
    return qobject_cast<WordListEditor *>(w);
}

// The window of a main window command is the one driven; Enter answers the refusal.
auto viaCommand(const char *command)
{
    return [command](Scene &s, ModalAnswerer &a, const ModalAnswerer::Driver &driver) {
        a.drive(driver).press(QStringLiteral("Enter"));
        s.command(command);
    };
}

const TypedField TypedFields[] = {
    {"WordCell", viaCommand("MenuNewPuzzle"), [](QWidget *w) { return editCell(wordList(w)->wordsCluesGrid(), 0, 2); }},
    {"ClueCell", viaCommand("MenuModifyPuzzle"),
     [](QWidget *w) { return editCell(wordList(w)->wordsCluesGrid(), 0, 3); }},
    {"PuzzleTitle", viaCommand("MenuModifyPuzzle"), [](QWidget *w) -> QWidget * { return wordList(w)->titleEdit(); }},
    {"Category", viaCommand("MenuModifyPuzzle"),
     [](QWidget *w) -> QWidget * { return wordList(w)->categoryBox()->lineEdit(); }},
    {"BonusQuestionInTheEditor", viaCommand("MenuModifyPuzzle"),
     [](QWidget *w) -> QWidget * { return wordList(w)->bonusQuest(); }},
    {"DefaultClueHeader", viaCommand("MenuClueHeaders"),
     [](QWidget *w) -> QWidget * { return w->findChild<QLineEdit *>(); }},
    {"BonusQuestionForPrinting",
     [](Scene &s, ModalAnswerer &a, const ModalAnswerer::Driver &driver) {
         BonusQuestionDialog dialog(s.look(), s.p.host, QStringLiteral("Old question"));
         a.drive(driver).press(QStringLiteral("Enter"));
         s.modal(dialog);
     },
     [](QWidget *w) -> QWidget * { return qobject_cast<BonusQuestionDialog *>(w)->bonusText(); }},
    {"ClueOfAWordAddedByHand",
     [](Scene &s, ModalAnswerer &a, const ModalAnswerer::Driver &driver) {
         AddAClueDialog dialog(s.look(), s.p.host, QStringLiteral("EWE"),
                               s.p.session.settings.createOptions.caseSensitivity);
         a.drive(driver).press(QStringLiteral("Enter"));
         s.modal(dialog);
     },
     [](QWidget *w) -> QWidget * { return qobject_cast<AddAClueDialog *>(w)->theClue(); }},
    {"WordForTheUsersDictionary", viaCommand("MenuExcludeFromDictionary"),
     [](QWidget *w) -> QWidget * { return qobject_cast<DictionaryMaintenanceDialog *>(w)->addInfo(); }},
    {"WordToLookUp",
     [](Scene &s, ModalAnswerer &a, const ModalAnswerer::Driver &driver) {
         ThesaurusLookupDialog dialog(s.look(), s.p.host, s.p.session.paths.programDir, 1, QStringLiteral("happy"));
         a.drive(driver).press(QStringLiteral("Enter"));
         s.modal(dialog);
     },
     [](QWidget *w) -> QWidget * { return qobject_cast<ThesaurusLookupDialog *>(w)->wordBox(); }},
    {"ShapeName",
     [](Scene &s, ModalAnswerer &a, const ModalAnswerer::Driver &driver) {
         // The library first: New opens the editor.
         a.drive([](QWidget *library) {
             clickButton(library, QStringLiteral("NewShape"));
             dismiss(library);
         });
         a.drive(driver).press(QStringLiteral("Enter"));
         s.command("MenuPuzzleShape");
     },
     [](QWidget *w) -> QWidget * { return qobject_cast<ShapeEditorDialog *>(w)->titleEdit(); }},
};

class TypedCharacter : public ::testing::TestWithParam<TypedField> {};

void PrintTo(const TypedField &f, std::ostream *os)
{
    *os << f.name;
}

} // namespace

TEST_P(TypedCharacter, IsRefusedWithOneBoxAndTheWindowGoesOn)
{
    const TypedField &c = GetParam();
    Scene s;
    const FileSnapshot before = FileSnapshot::take({s.p.startup.path(), s.p.program.path()});
    QStringList cells;
    ModalAnswerer answers;
    answers.setFallback(QStringLiteral("No")); // "Save changes?" when the window closes
    const auto driver = [&](QWidget *window) {
        if (auto *editor = wordList(window)) {
            for (int row = 0; row < editor->wordsCluesGrid()->rowCount(); ++row)
                cells << (editor->wordsCluesGrid()->item(row, 2) ? editor->wordsCluesGrid()->item(row, 2)->text()
                                                                 : QString());
        }
        QPointer<QWidget> field = c.field(window);
        ASSERT_TRUE(field);
        activate(window);
        field->setFocus();
        // Enter answers the box: the key that used to end in a destroyed cell editor.
        typeKeys(field, QStringLiteral("Q") + Alpha + QStringLiteral("Z"));
        spinUntil([&] { return !answers.boxes().empty(); }, std::chrono::milliseconds(1000));
        if (field)
            QTest::keyClick(field, Qt::Key_Return);
        QApplication::processEvents();
        if (auto *editor = wordList(window)) {
            auto *grid = editor->wordsCluesGrid();
            for (int row = 0; row < grid->rowCount(); ++row) {
                const QString now = grid->item(row, 2) ? grid->item(row, 2)->text() : QString();
                EXPECT_FALSE(now.contains(Alpha)) << "row " << row;
                if (row > 0) {
                    EXPECT_EQ(now, cells.value(row)) << "row " << row;
                }
            }
        }
        closeWhenAnswered(window, answers, 1);
    };
    c.open(s, answers, driver);
    answers.wait();

    QStringList refusals;
    for (const auto &box : answers.boxes()) {
        if (box.text.contains(Alpha))
            refusals << box.text;
    }
    EXPECT_EQ(refusals.size(), 1) << answers.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(FileSnapshot::take({s.p.startup.path(), s.p.program.path()}).changesSince(before), QStringList());
}

INSTANTIATE_TEST_SUITE_P(EveryTextControl, TypedCharacter, ::testing::ValuesIn(TypedFields),
                         [](const auto &info) { return std::string(info.param.name); });

namespace {

// --- Refusals, confirmations and failures, window by window ---

struct Expected {
    QString caption;
    QString text; // a part of the box's text
};

struct ErrorPath {
    const char *name;
    std::function<void(Scene &)> prepare;
    // Scripts the answers and opens the window; returns when everything is closed again.
    std::function<void(Scene &, ModalAnswerer &)> run;
    std::vector<Expected> boxes;
    QStringList mayChange = {}; // file names the case writes on purpose
    std::function<void(Scene &)> check = {};
};

void PrintTo(const ErrorPath &e, std::ostream *os)
{
    *os << e.name;
}

int records(const QString &path)
{
    const auto count = CollectionFile(path).count();
    return count ? *count : -1;
}

// Fills a new puzzle's title, category and one word and presses Save.
void saveNewPuzzle(QWidget *window)
{
    auto *editor = wordList(window);
    editor->titleEdit()->setText(QStringLiteral("Garden"));
    editor->categoryBox()->setEditText(QStringLiteral("Birds"));
    editor->wordsCluesGrid()->setItem(0, 2, new QTableWidgetItem(QStringLiteral("ROBIN")));
    clickButton(window, QStringLiteral("SaveButton"));
    if (QApplication::activeModalWidget() == window)
        dismiss(window);
}

// A file-size limit at the file's present size: every write that would grow a file fails, as on a
// full disk, while the case runs.
struct FileSizeLimit {
    rlimit old{};
    explicit FileSizeLimit(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limited = old;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

const ErrorPath ErrorPaths[] = {
    {"DeleteAnsweredNoKeepsThePuzzle",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.press(QStringLiteral("No"));
         s.command("MenuDeletePuzzle");
     },
     {{QStringLiteral("Delete"), QStringLiteral("Are you sure you want to delete")}}},
    {"DeleteAnsweredYesRemovesOnePuzzle",
     {},
     [](Scene &s, ModalAnswerer &a) {
         const int before = records(s.p.collection());
         a.press(QStringLiteral("Yes"));
         s.command("MenuDeletePuzzle");
         EXPECT_EQ(records(s.p.collection()), before - 1);
     },
     {{QStringLiteral("Delete"), QStringLiteral("Are you sure you want to delete")}},
     {QStringLiteral("SAMPLE.QX3")}},
    {"ADamagedCollectionOpensAndIsNeverWritten",
     [](Scene &s) {
         QFile f(s.p.startup.file(QStringLiteral("NOTES.QX3")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray(5000, 'x') + "\nnot a puzzle collection\n");
     },
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.chooseFile(s.p.startup.file(QStringLiteral("NOTES.QX3")));
         s.command("MenuOpenCollection");
         a.wait();
         a.drive(saveNewPuzzle);
         s.command("MenuNewPuzzle");
     },
     {{QStringLiteral("Error"), QStringLiteral("is damaged or is not a puzzle collection.")}}},
    {"ASaveThatFailsLeavesTheCollectionAsItWas",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.drive([&s](QWidget *window) {
             const FileSizeLimit limit(QFileInfo(s.p.collection()).size());
             saveNewPuzzle(window);
         });
         s.command("MenuNewPuzzle");
     },
     {{QStringLiteral("Error"), QString()}}},
    {"LayoutImportOfAShortFileAddsNothing",
     [](Scene &s) {
         QFile f(s.p.startup.file(QStringLiteral("short.PAG")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(QByteArray("PAG1.0") + QByteArray(100, 'x'));
         ASSERT_TRUE(s.p.session.layoutLibrary().file().createEmpty());
     },
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.press(QStringLiteral("OK")); // the library is empty
         a.drive([](QWidget *library) {
             clickButton(library, QStringLiteral("ImportButton"));
             dismiss(library);
         });
         a.chooseFile(s.p.startup.file(QStringLiteral("short.PAG")));
         s.command("MenuPageLayout");
     },
     {{QStringLiteral("Warning"), QStringLiteral("No saved page layouts could be found.")},
      {QStringLiteral("Error"), QStringLiteral("Page layout file is corrupt or incompatible.  Import aborted.")}}},
    {"LayoutDeleteAnsweredNoKeepsTheLayout",
     [](Scene &s) {
         ASSERT_TRUE(s.p.session.layoutLibrary().file().createEmpty());
         ASSERT_TRUE(s.p.session.layoutLibrary().append(builtInDefaultLayout()));
     },
     [](Scene &s, ModalAnswerer &a) {
         a.drive([](QWidget *library) {
             clickButton(library, QStringLiteral("DeleteButton"));
             dismiss(library);
         });
         a.press(QStringLiteral("No"));
         s.command("MenuPageLayout");
     },
     {{QStringLiteral("Delete?"), QStringLiteral("Are you sure you want to delete \"New Page (Letter)")}}},
    {"ShapeDeleteAnsweredNoKeepsTheShape",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.drive([](QWidget *library) {
             clickButton(library, QStringLiteral("DeleteShape"));
             dismiss(library);
         });
         a.press(QStringLiteral("No"));
         s.command("MenuPuzzleShape");
     },
     {{QStringLiteral("Delete?"), QStringLiteral("Are you sure you want to delete")}}},
    {"ShapeSizeOutOfRange",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.drive([](QWidget *library) {
             clickButton(library, QStringLiteral("NewShape"));
             dismiss(library);
         });
         a.drive([](QWidget *editor) {
             auto *e = qobject_cast<ShapeEditorDialog *>(editor);
             e->widthEdit()->setFocus();
             e->widthEdit()->selectAll();
             typeKeys(e->widthEdit(), QStringLiteral("99"));
             QTest::keyClick(e->widthEdit(), Qt::Key_Tab);
             QApplication::processEvents();
             QPointer<QWidget> guard(editor);
             e->saveButton()->click();
             if (guard && QApplication::activeModalWidget() == guard)
                 dismiss(guard);
         });
         s.command("MenuPuzzleShape");
     },
     {{QStringLiteral("Error"), QStringLiteral("Width must be between 5 and 49")}}},
    {"CopiesThatAreNotANumber",
     {},
     [](Scene &s, ModalAnswerer &a) {
         CopiesDialog dialog(s.look(), s.p.host);
         a.drive([](QWidget *w) {
             auto *d = qobject_cast<CopiesDialog *>(w);
             d->copiesEdit()->setText(QStringLiteral("many"));
             QTest::keyClick(d->copiesEdit(), Qt::Key_Return);
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         a.press(QStringLiteral("OK"));
         s.modal(dialog);
         EXPECT_LT(dialog.copies(), 1);
     },
     {{QStringLiteral("Error"), QStringLiteral("Invalid number of copies entered.")}}},
    {"APageThatCannotBePrinted",
     {},
     [](Scene &s, ModalAnswerer &a) {
         PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record,
                               renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream,
                               [] { return std::unique_ptr<QPrinter>(); });
         a.drive([](QWidget *w) {
             for (QAction *action : w->findChildren<QAction *>()) {
                 if (action->text().remove(QLatin1Char('&')) == QLatin1String("Print Page")) {
                     action->trigger();
                     break;
                 }
             }
             dismiss(w);
         });
         a.press(QStringLiteral("OK"));
         s.modal(preview);
     },
     {{QStringLiteral("Error"),
       QStringLiteral("The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or "
                      "choose \"Print to File (PDF)\" in Printer Setup.")}}},
    {"APuzzleThePuzFormatCannotHold",
     {},
     [](Scene &s, ModalAnswerer &a) {
         // A hyphen in a square: the .puz format keeps '-' for an empty square.
         s.record = builtRecord({"T-REX"}, {{"T-REX", 1, 1, true}});
         orderPlacedWords(s.record, 1);
         PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record,
                               renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream,
                               s.pdfPrinter());
         const QString path = s.printed.file(QStringLiteral("trex.puz"));
         a.drive([&a, path](QWidget *w) {
             a.chooseFile(path);
             a.press(QStringLiteral("OK"));
             qobject_cast<PreviewWindow *>(w)->actions().exportPuz->trigger();
             dismiss(w);
         });
         s.modal(preview);
         EXPECT_FALSE(QFile::exists(path));
     },
     {{QStringLiteral("Error"), QStringLiteral("The .puz format cannot hold the character \"-\" in a square")}}},
    {"AMetafileThatCannotBeWrittenIsToldOnceAndNotClaimed",
     {},
     [](Scene &s, ModalAnswerer &a) {
         const RenderedPage page = renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings));
         PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record, page.stream, s.pdfPrinter());
         preview.setFits(page.fits);
         const QString path = s.p.startup.file(QStringLiteral("page.wmf"));
         a.drive([](QWidget *w) {
             auto *p = qobject_cast<PreviewWindow *>(w);
             {
                 const FileSizeLimit full(64);
                 p->controls().exportMetafile->click();
             }
             EXPECT_TRUE(p->savedToLabel()->text().isEmpty());
             dismiss(w);
         });
         a.chooseFile(path);
         // The creation window makes the file as it opens; after the failure's one box it closes
         // without "Metafile Created", and the preview says nothing was saved.
         a.press(QStringLiteral("OK"));
         s.modal(preview);
         EXPECT_FALSE(QFileInfo::exists(path));
     },
     {{QStringLiteral("Error"), QStringLiteral("page.wmf: ")}}},
    {"ACreatedPuzzleThatCannotBeSaved",
     {},
     [](Scene &s, ModalAnswerer &a) {
         const ShapeRecord shape = fullShape(13, 13);
         buildCandidates(s.record, shape, BuildOptions{2, false, false, 17, 1}, s.candidates);
         CandidatesDialog dialog(s.look(), s.record, s.candidates, shape,
                                 SaveTarget{s.p.startup.file(QStringLiteral("no/such/folder/OUT.QX3")), {}, {}},
                                 s.p.host);
         a.setFallback(QStringLiteral("Yes")); // words left out: save anyway
         a.drive([](QWidget *w) {
             qobject_cast<CandidatesDialog *>(w)->saveCandidate();
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         s.modal(dialog);
         EXPECT_FALSE(dialog.saved());
     },
     {{QStringLiteral("Error"), QStringLiteral("Unable to save puzzle.")}}},
    {"ManualPlacementWithNothingTyped",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.drive([](QWidget *w) { clickButton(w, QStringLiteral("OkButton")); });
         a.press(QStringLiteral("OK"));
         s.command("MenuPuzzleWords");
     },
     {{QStringLiteral("Notice"), QStringLiteral("No changes to the puzzle were detected.")}}},
    {"ManualPlacementOfAWrongLetterAndAWordThatCannotBeSaved",
     {},
     [](Scene &s, ModalAnswerer &a) {
         const QString away = s.printed.file(QStringLiteral("SAMPLE.QX3"));
         a.drive([&](QWidget *w) {
             auto *placement = qobject_cast<ManualPlacementDialog *>(w);
             // Two free squares at the bottom left of the first sample puzzle.
             ASSERT_TRUE(placement->startTyping(cellIndex(25, 3)));
             typeKeys(placement->theLetter(), QStringLiteral("1"));
             clickButton(w, QStringLiteral("Accept"));
             ASSERT_TRUE(placement->theLetter()->isVisible());
             placement->theLetter()->setText(QStringLiteral("o"));
             clickButton(w, QStringLiteral("Accept"));
             ASSERT_TRUE(placement->startTyping(cellIndex(25, 4)));
             typeKeys(placement->theLetter(), QStringLiteral("x"));
             // The collection is gone when the word is saved.
             ASSERT_TRUE(QFile::rename(s.p.collection(), away));
             clickButton(w, QStringLiteral("OkButton"));
         });
         a.press(QStringLiteral("OK"));
         a.drive([](QWidget *w) {
             auto *ask = qobject_cast<AddAClueDialog *>(w);
             ASSERT_TRUE(ask);
             EXPECT_EQ(ask->wordLabel()->text(), QStringLiteral("OX"));
             typeKeys(ask->theClue(), QStringLiteral("Yoked beast"));
             clickButton(w, QStringLiteral("OkButton"));
         });
         a.press(QStringLiteral("OK"));
         // The window stays with the letters typed; the user leaves it.
         a.drive([](QWidget *w) {
             EXPECT_TRUE(qobject_cast<ManualPlacementDialog *>(w));
             dismiss(w);
         });
         s.command("MenuPuzzleWords");
         a.wait();
         EXPECT_FALSE(QFile::exists(s.p.collection()));
         QFile::rename(away, s.p.collection());
     },
     {{QStringLiteral("Error"), QStringLiteral("Puzzle letter must be between A and Z.")},
      {QStringLiteral("Error"), QStringLiteral("Unable to save puzzle.")}}},
    {"ABuildIsAborted",
     {},
     [](Scene &s, ModalAnswerer &a) {
         BuildProgressDialog dialog(s.look(), s.record, fullShape(40, 40), BuildOptions{999, false, false, 3, 1},
                                    s.candidates);
         a.drive([](QWidget *w) {
             // Abort ends the build after its running attempt; the same button then closes the window.
             auto *progress = qobject_cast<BuildProgressDialog *>(w);
             progress->cancelButton()->click();
             EXPECT_TRUE(spinUntil([&] { return progress->finished(); }, std::chrono::milliseconds(20000)));
             if (QApplication::activeModalWidget() == w)
                 progress->cancelButton()->click();
         });
         s.modal(dialog);
         EXPECT_TRUE(dialog.finished());
     },
     {}},
    {"TheHelpFileIsMissing",
     [](Scene &s) { QFile::remove(s.p.program.file(QStringLiteral("QXMOR.HLP"))); },
     [](Scene &s, ModalAnswerer &a) {
         a.press(QStringLiteral("OK"));
         s.command("MenuHelpContents");
     },
     {{QStringLiteral("Error"), QStringLiteral("could not be located")}}},
    {"TheManualIsMissingOrCannotBeOpened",
     [](Scene &s) { QFile::remove(s.p.program.file(QStringLiteral("QXMOR.DOC"))); },
     [](Scene &s, ModalAnswerer &a) {
         for (const bool word : {true, false}) {
             ManualNoticeDialog notice(s.look(), s.p.host, s.p.session.paths.programDir);
             notice.setOpener([](const QUrl &) { return false; });
             a.drive([word](QWidget *w) {
                 auto *n = qobject_cast<ManualNoticeDialog *>(w);
                 (word ? n->wordButton() : n->acrobatButton())->click();
             });
             a.press(QStringLiteral("Enter"));
             s.modal(notice);
         }
     },
     {{QStringLiteral("Error"), QStringLiteral("could not be located")},
      {QStringLiteral("Error"), QStringLiteral("could not be opened")}}},
    {"TipsAndAboutCloseWithTheirButtons",
     {},
     [](Scene &s, ModalAnswerer &a) {
         for (const char *command : {"MenuTips", "MenuAbout"}) {
             a.press(QStringLiteral("Enter"));
             s.command(command);
         }
     },
     {}},
    {"ImportOfAFileThatIsNotACollection",
     [](Scene &s) {
         QFile f(s.p.startup.file(QStringLiteral("words.txt")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write("ROBIN\nWREN\n");
     },
     [](Scene &s, ModalAnswerer &a) {
         a.chooseFile(s.p.startup.file(QStringLiteral("words.txt")));
         a.press(QStringLiteral("OK"));
         s.command("MenuImport");
     },
     {{QStringLiteral("Error"), QStringLiteral("not a valid")}}},
    {"ImportFromTheOpenCollection",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.chooseFile(s.p.collection());
         a.press(QStringLiteral("OK"));
         s.command("MenuImport");
     },
     {{QStringLiteral("Error"), QStringLiteral("cannot be the same as the currently open file")}}},
    {"ExportWithNothingSelected",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.drive([](QWidget *w) {
             // Nothing selected: Save is not offered at all.
             clickButton(w, QStringLiteral("ClearAllButton"));
             QAbstractButton *save = findButton(w, QStringLiteral("SaveButton"));
             ASSERT_TRUE(save);
             EXPECT_FALSE(save->isEnabled());
             save->click();
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         s.command("MenuExport");
     },
     {}},
    {"ObjectDialogsRefuseBadNumbersAndStayOpen",
     {},
     [](Scene &s, ModalAnswerer &a) {
         PageLayout page = newLayout(2);
         const LayoutObject rectangle = newLayoutObject(ObjectKind::Rectangle, 36, 36, page, 2, {});
         page.Objects[0] = rectangle;
         page.ObjectCount = 1;
         // The border dialog through the object menu, a popup with a loop of its own.
         a.pickMenuEntry(QStringLiteral("Border"));
         a.drive([](QWidget *w) {
             auto *d = qobject_cast<BorderDialog *>(w);
             d->useBorder()->setChecked(true);
             d->widthBox()->setText(QStringLiteral("0"));
             clickButton(d, QStringLiteral("Ok"));
         });
         a.press(QStringLiteral("OK")).drive([](QWidget *w) {
             // Still open after the refusal, the object untouched.
             EXPECT_EQ(qobject_cast<BorderDialog *>(w)->object().BorderWidth, 1);
             dismiss(w);
         });
         const DialogLook look = s.look();
         ObjectMenuContext context{s.p.host, look, s.p.window.get(), page, 72};
         EXPECT_EQ(runObjectMenu(context, 1, QPoint(100, 100)), ObjectMenuResult::Nothing);
         EXPECT_EQ(page.Objects[0], rectangle);
         SizePositionDialog size(s.look(), s.p.host, rectangle, 72, true, 612, 792);
         a.drive([](QWidget *w) {
             auto *d = qobject_cast<SizePositionDialog *>(w);
             d->box(SizeBox::Top)->setText(QStringLiteral("inf"));
             clickButton(d, QStringLiteral("Ok"));
         });
         a.press(QStringLiteral("OK")).drive([](QWidget *w) {
             auto *d = qobject_cast<SizePositionDialog *>(w);
             d->box(SizeBox::Top)->setText(QStringLiteral("20"));
             clickButton(d, QStringLiteral("Ok"));
         });
         a.press(QStringLiteral("Yes")).drive(dismiss); // abort the changes, then leave
         s.modal(size);
         EXPECT_EQ(size.result(), QDialog::Rejected);
     },
     {{QStringLiteral("Error"), QStringLiteral("Invalid width entered.")},
      {QStringLiteral("Error"), QStringLiteral("Invalid top position entered.")},
      {QStringLiteral("Warning"), QStringLiteral("off the page")}}},
    {"AWordListExportIntoAFolderThatTakesNoFile",
     [](Scene &s) {
         QDir().mkpath(s.printed.file(QStringLiteral("ro")));
         ASSERT_TRUE(writeWordListFile(s.printed.file(QStringLiteral("ro/words.txt")), {QStringLiteral("OLD")}));
     },
     [](Scene &s, ModalAnswerer &a) {
         const ReadOnlyFolder readOnly(s.printed.file(QStringLiteral("ro")));
         ASSERT_TRUE(readOnly.effective());
         a.setFallback(QStringLiteral("OK"));
         a.drive([](QWidget *editor) {
             clickButton(editor, QStringLiteral("ExportClue"));
             dismiss(editor);
         });
         a.drive([](QWidget *exporter) {
             clickButton(exporter, QStringLiteral("SelectAll"));
             clickButton(exporter, QStringLiteral("SaveFile"));
             if (QApplication::activeModalWidget() == exporter)
                 dismiss(exporter);
         });
         a.chooseFile(s.printed.file(QStringLiteral("ro/words.txt"))).press(QStringLiteral("Yes"));
         s.command("MenuModifyPuzzle");
         a.wait();
     },
     {{QStringLiteral("Error"), QStringLiteral("Unable to create export file.")}},
     {},
     [](Scene &s) {
         QFile old(s.printed.file(QStringLiteral("ro/words.txt")));
         ASSERT_TRUE(old.open(QIODevice::ReadOnly));
         EXPECT_EQ(old.readAll(), QByteArray("OLD\r\n"));
     }},
    {"AWordListWithALineNoPuzzleCanHold",
     [](Scene &s) {
         QFile f(s.printed.file(QStringLiteral("words.txt")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write("OMEGA:\xCE\xA9\n\xF0\x9F\x98\x80\n");
     },
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.drive([](QWidget *editor) {
             clickButton(editor, QStringLiteral("ImportClue"));
             dismiss(editor);
         });
         a.drive([](QWidget *import) {
             clickButton(import, QStringLiteral("OpenFile"));
             auto *list = import->findChild<QListWidget *>();
             ASSERT_TRUE(list);
             EXPECT_EQ(list->count(), 0);
             if (QApplication::activeModalWidget() == import)
                 dismiss(import);
         });
         a.chooseFile(s.printed.file(QStringLiteral("words.txt")));
         s.command("MenuNewPuzzle");
     },
     {{QStringLiteral("Error"), QStringLiteral("Line 1: U+03A9 GREEK CAPITAL LETTER OMEGA\nLine 2: U+1F600 GRINNING "
                                               "FACE")}}},
    {"AWordListSeparatorNoPuzzleCanHold",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.drive([](QWidget *editor) {
             clickButton(editor, QStringLiteral("ExportClue"));
             dismiss(editor);
         });
         a.drive([&a](QWidget *exporter) {
             auto *sep = exporter->findChild<QLineEdit *>(QStringLiteral("SepChar"));
             ASSERT_TRUE(sep && sep->isVisible());
             activate(exporter);
             sep->setFocus();
             sep->clear();
             typeKeys(sep, Alpha);
             closeWhenAnswered(exporter, a, 1);
         });
         s.command("MenuModifyPuzzle");
     },
     {{QStringLiteral("Error"), QStringLiteral("cannot be stored in a puzzle.")}}},
    {"AUserWordListThatCannotBeWritten",
     {},
     [](Scene &s, ModalAnswerer &a) {
         const ReadOnlyFolder readOnly(s.p.program.path());
         ASSERT_TRUE(readOnly.effective());
         s.addWordToUsersList(a);
         a.wait();
     },
     {{QStringLiteral("Error"), QStringLiteral("IncEngl.tlx")}}},
    {"ASpellingReplacementNotSelected",
     {},
     [](Scene &s, ModalAnswerer &a) {
         SpellingSuggestionsDialog dialog(s.look(), s.p.host, QStringLiteral("American"), QStringLiteral("recieve"),
                                          {QStringLiteral("receive")});
         a.drive([](QWidget *w) {
             qobject_cast<SpellingSuggestionsDialog *>(w)->suggestionList()->clearSelection();
             clickButton(w, QStringLiteral("ReplaceButton"));
             clickButton(w, QStringLiteral("IgnoreButton"));
         });
         a.press(QStringLiteral("OK"));
         s.modal(dialog);
         EXPECT_EQ(dialog.answer().choice, SpellChoice::Ignore);
     },
     {{QStringLiteral("Error"), QStringLiteral("No replacement word has been selected.")}}},
    {"ASpellCheckWithoutItsDictionaryFile",
     [](Scene &s) {
         QFile::remove(s.p.program.file(QStringLiteral("sscefr.tlx")));
         s.p.session.settings.misc.dictionary = 5;
     },
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("No"));
         a.drive([](QWidget *editor) {
             clickButton(editor, QStringLiteral("SpellClue"));
             dismiss(editor);
         });
         a.press(QStringLiteral("OK"));
         s.command("MenuModifyPuzzle");
     },
     {{QStringLiteral("Error"), QStringLiteral("Could not find one of the dictionary files.")}}},
    {"AThesaurusLookupThatFindsNothing",
     [](Scene &s) { QFile::remove(s.p.program.file(QStringLiteral("thesdbam.idx"))); },
     [](Scene &s, ModalAnswerer &a) {
         ThesaurusLookupDialog dialog(s.look(), s.p.host, s.p.session.paths.programDir, 1, QStringLiteral("happy"));
         a.press(QStringLiteral("OK")).press(QStringLiteral("OK"));
         a.drive([](QWidget *w) {
             // Nothing to accept: the button is off.
             EXPECT_FALSE(findButton(w, QStringLiteral("AcceptButton"))->isEnabled());
             clickButton(w, QStringLiteral("SuggestButton"));
             dismiss(w);
         });
         a.press(QStringLiteral("OK"));
         s.modal(dialog);
     },
     {{QStringLiteral("Error"), QStringLiteral("Could not find the Thesaurus file.")},
      {QStringLiteral("Warning"), QStringLiteral("Word not found in Thesaurus.")},
      {QStringLiteral("Error"), QStringLiteral("No suggestions found for the word happy.")}}},
    {"WordSeparatorsRefuseALetter",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.setFallback(QStringLiteral("OK"));
         a.drive([](QWidget *w) {
             auto *c = w->findChild<QLineEdit *>(QStringLiteral("WordSepChar"));
             activate(w);
             c->setFocus();
             typeKeys(c, QStringLiteral("q"));
             spinUntil([&] { return c->text().isEmpty(); }, std::chrono::milliseconds(2000));
             QApplication::processEvents();
             typeKeys(c, QStringLiteral("/"));
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         s.command("MenuWordSeparators");
         EXPECT_EQ(s.p.session.settings.reports.wordSepChar, QLatin1Char('/'));
     },
     {{QStringLiteral("Error"), QStringLiteral("Character cannot be in A..Z.  Please correct.")}}},
    {"APictureWiderThanAllowed",
     {},
     [](Scene &s, ModalAnswerer &a) {
         PixelWidthDialog dialog(s.look(), s.p.host, PixelWidthDialog::Mode::Bitmap, 640, QSizeF(8.5, 11));
         a.drive([](QWidget *w) {
             auto *d = qobject_cast<PixelWidthDialog *>(w);
             d->widthEdit()->setText(QStringLiteral("20001"));
             QTest::keyClick(d->widthEdit(), Qt::Key_Return);
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         a.press(QStringLiteral("OK"));
         s.modal(dialog);
         EXPECT_EQ(dialog.pixelWidth(), 0);
     },
     {{QStringLiteral("Error"), QStringLiteral("Invalid width specified.  Please correct.")}}},
    {"AJpegFactorOutOfRange",
     {},
     [](Scene &s, ModalAnswerer &a) {
         a.drive([](QWidget *w) {
             auto *d = qobject_cast<JpegFactorDialog *>(w);
             d->factorEdit()->setText(QStringLiteral("101"));
             QTest::keyClick(d->factorEdit(), Qt::Key_Return);
             if (QApplication::activeModalWidget() == w)
                 dismiss(w);
         });
         a.press(QStringLiteral("OK"));
         s.command("MenuJpegFactor");
         EXPECT_EQ(s.p.session.settings.reports.jpegQuality, 50);
     },
     {{QStringLiteral("Error"), QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100")}}},
    {"AWebPageNamedLikeItsPicture",
     {},
     [](Scene &s, ModalAnswerer &a) {
         WebPageDialog dialog(s.look(), s.p.session.settings, s.p.host,
                              renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream, 0);
         a.drive([](QWidget *w) {
             clickButton(w, QStringLiteral("Save HTML"));
             EXPECT_EQ(QApplication::activeModalWidget(), w) << "the window stays open";
             dismiss(w);
         });
         a.press(QStringLiteral("Enter")); // the width as it is
         a.chooseFile(s.p.startup.file(QStringLiteral("X.JPG")));
         a.press(QStringLiteral("OK"));
         s.modal(dialog);
         EXPECT_FALSE(QFile::exists(s.p.startup.file(QStringLiteral("X.JPG"))));
     },
     {{QStringLiteral("Error"), QStringLiteral("Unable to create html file.")}}},
    {"APictureThatCannotBeWrittenWhole",
     {},
     [](Scene &s, ModalAnswerer &a) {
         PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record,
                               renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream,
                               [] { return std::unique_ptr<QPrinter>(); });
         a.drive([](QWidget *w) {
             auto *p = qobject_cast<PreviewWindow *>(w);
             const double zoom = p->preview()->zoom();
             {
                 const FileSizeLimit limit(4096);
                 p->controls().exportJpeg->click();
             }
             EXPECT_EQ(p->preview()->zoom(), zoom);
             EXPECT_TRUE(p->savedToLabel()->text().isEmpty()) << "nothing said to be saved";
             dismiss(w);
         });
         a.press(QStringLiteral("Enter")); // the width as it is
         a.chooseFile(s.p.startup.file(QStringLiteral("PAGE.JPG")));
         a.press(QStringLiteral("OK"));
         s.modal(preview);
         EXPECT_FALSE(QFile::exists(s.p.startup.file(QStringLiteral("PAGE.JPG"))));
     },
     {{QStringLiteral("Error"), QStringLiteral("PAGE.JPG")}}},
};

class WindowErrorPath : public ::testing::TestWithParam<ErrorPath> {};

} // namespace

TEST_P(WindowErrorPath, ShowTheirBoxesAndChangeNoFileUnasked)
{
    const ErrorPath &c = GetParam();
    Scene s;
    if (c.prepare)
        c.prepare(s);
    const QStringList watched{s.p.startup.path(), s.p.program.path()};
    const FileSnapshot before = FileSnapshot::take(watched);
    ModalAnswerer answers;
    c.run(s, answers);
    answers.wait();
    // The expected boxes in order; others between them (answered by the fallback) may come too.
    size_t next = 0;
    for (const auto &box : answers.boxes()) {
        if (next < c.boxes.size() && box.caption == c.boxes[next].caption && box.text.contains(c.boxes[next].text))
            ++next;
    }
    EXPECT_EQ(next, c.boxes.size()) << "shown:\n" << answers.texts().join(QLatin1Char('\n')).toStdString();
    if (c.boxes.empty()) {
        EXPECT_EQ(answers.texts().join(QString()), QString()) << "no message expected";
    }
    EXPECT_EQ(FileSnapshot::take(watched).changesSince(before, c.mayChange), QStringList());
    if (c.check)
        c.check(s);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowErrorPath, ::testing::ValuesIn(ErrorPaths),
                         [](const auto &info) { return std::string(info.param.name); });
