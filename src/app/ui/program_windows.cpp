#include "app/ui/program_windows.h"

#include "app/session.h"
#include "app/ui/about_box.h"
#include "app/ui/help_window.h"
#include "app/ui/main_window.h"
#include "app/ui/manual_notice_dialog.h"
#include "app/ui/tip_of_the_day_dialog.h"
#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "export/ui/jpeg_factor_dialog.h"
#include "layout/ui/layout_library_dialog.h"
#include "layout/ui/page_designer_window.h"
#include "lexicon/ui/lexicon_windows.h"
#include "report/ui/print_windows.h"
#include "shapes/ui/shape_library_dialog.h"
#include "words/ui/international_characters_dialog.h"
#include "words/ui/manual_placement_dialog.h"
#include "words/ui/word_list_editor.h"
#include "words/ui/word_separators_dialog.h"

#include <QRandomGenerator>

namespace qx {

namespace {

// Reloads the main window's lists with the saved puzzle selected.
std::function<void(const std::string &, const std::string &)> reselecter(MainWindow &w, Session &session)
{
    return [&w, &session](const std::string &category, const std::string &name) {
        session.collection.setReselectPending(category, name);
        w.loadInPuzzles();
    };
}

// The page designer that the layout library opens for New, Copy and Modify. This is the one place
// the library windows take it from; an empty opener would disable those three commands.
DesignerOpener pageDesigner(Session &session, UiHost &host)
{
    return makePageDesignerOpener(PageDesignerContext{session.look(), session.settings, host,
                                                      session.layoutLibrary().path(),
                                                      [&session, &host](QWidget *parent, const QString &keyword) {
                                                          showHelp(parent, host, session.paths.programDir, keyword);
                                                      }});
}

// The layout library window; in the choosing modes, the layout the user selected.
std::optional<PageLayout> runLayoutLibrary(QWidget *parent, Session &session, UiHost &host, LayoutLibraryMode mode)
{
    LayoutLibraryDialog library(mode,
                                LayoutLibraryContext{session.layoutLibrary(), session.settings, session.look(),
                                                     session.collectionPath(), pageDesigner(session, host)},
                                host, parent);
    host.runModal(library);
    return library.chosen();
}

LexiconContext lexiconContext(Session &session)
{
    return LexiconContext{session.look(), session.settings, session.paths.programDir, session.lexicon};
}

// The editor's spell check and thesaurus, when their data is there.
void addLexicon(WordListContext &context, Session &session, UiHost &host)
{
    if (session.lexicon.anyLanguage()) {
        context.spellCheck = [&session, &host](QWidget *parent, QStringList &words, QStringList &clues,
                                               bool checkWords) {
            std::vector<SpellRow> rows;
            for (qsizetype i = 0; i < words.size(); ++i)
                rows.push_back({words[i], clues[i]});
            runSpellCheck(parent, host, lexiconContext(session), rows, checkWords);
            for (qsizetype i = 0; i < words.size(); ++i) {
                words[i] = rows[size_t(i)].word;
                clues[i] = rows[size_t(i)].clue;
            }
        };
    }
    if (session.lexicon.anyThesaurus()) {
        context.thesaurus = [&session, &host](QWidget *parent, const QString &word) {
            return runThesaurus(parent, host, lexiconContext(session), word);
        };
    }
}

// Opens the word list editor on the session's current puzzle.
void runWordList(MainWindow &w, Session &session, UiHost &host, const QString &caption)
{
    QStringList categories;
    for (const auto &c : session.collection.index().CategoryList)
        categories << cp1252::toUnicode(c);
    WordListContext context{session.look(),
                            session.settings,
                            *session.current,
                            session.currentShape,
                            *session.candidates,
                            session.shapeLibrary().path(),
                            session.collectionPath(),
                            session.currentPlace,
                            categories,
                            reselecter(w, session),
                            [&session, &host](QWidget *parent) {
                                return runLayoutLibrary(parent, session, host, LayoutLibraryMode::Puzzle);
                            }};
    addLexicon(context, session, host);
    WordListEditor editor(std::move(context), host, caption, &w);
    host.runModal(editor);
}

PrintContext printContext(Session &session, UiHost &host)
{
    return PrintContext{session.look(), session.settings, host,
                        [&session, &host](QWidget *parent, const QString &keyword) {
                            showHelp(parent, host, session.paths.programDir, keyword);
                        },
                        [&session, &host](QWidget *parent) {
                            return runLayoutLibrary(parent, session, host, LayoutLibraryMode::Print);
                        }};
}

} // namespace

void installProgramWindows(MainWindow &main, Session &session, UiHost &host)
{
    MainWindow::Windows windows;
    windows.newPuzzle = [&session, &host](MainWindow &w) {
        session.current->resetForNewPuzzle(session.layoutForNewPuzzle());
        session.currentPlace = {};
        runWordList(w, session, host, QObject::tr("Create New Puzzle"));
    };
    windows.modifyPuzzle = [&session, &host](MainWindow &w) {
        if (!w.readSelectedPuzzle(QObject::tr("Unable to access Word List file.")))
            return;
        runWordList(w, session, host, QObject::tr("Modify Existing Puzzle"));
    };
    windows.copyPuzzle = [&session, &host](MainWindow &w) {
        if (!w.readSelectedPuzzle(QObject::tr("Unable to access Word List file.")))
            return;
        session.currentPlace = {};
        session.current->prepareCopy();
        runWordList(w, session, host, QObject::tr("Create New Puzzle (copy of existing puzzle)"));
    };
    windows.puzzleWords = [&session, &host](MainWindow &w) {
        if (!w.readSelectedPuzzle(QObject::tr("Unable to load puzzle.")))
            return;
        runManualPlacement(&w,
                           PlacementContext{session.look(), session.settings.createOptions.caseSensitivity,
                                            *session.current, session.collectionPath(), session.currentPlace,
                                            reselecter(w, session), &session.settings},
                           host);
    };
    windows.tipOfTheDay = [&session, &host](MainWindow &w) {
        runTipOfTheDay(host, session.look(), session.settings.misc.showTips, &w, *QRandomGenerator::global());
    };
    windows.manualNotice = [&session, &host](MainWindow &w) {
        ManualNoticeDialog notice(session.look(), host, session.paths.programDir, &w);
        host.runModal(notice);
    };
    windows.aboutBox = [&session, &host](MainWindow &w) {
        AboutBox about(session.look(), &w);
        host.runModal(about);
    };
    windows.help = [&session, &host](MainWindow &w, const QString &keyword) {
        showHelp(&w, host, session.paths.programDir, keyword);
    };
    windows.shapeLibrary = [&session, &host](MainWindow &w) {
        ShapeLibraryDialog shapes(
            ShapeListContext{session.shapeLibrary(), session.currentShape, session.settings, session.look()}, host, &w);
        host.runModal(shapes);
    };
    windows.pageLayouts = [&session, &host](MainWindow &w) {
        (void)runLayoutLibrary(&w, session, host, LayoutLibraryMode::Manage);
    };
    windows.printOptions = [&session, &host](MainWindow &w, const PuzzleRecord &record) {
        openPrintOptions(&w, printContext(session, host), record);
    };
    windows.clueHeaders = [&session, &host](MainWindow &w) { openDefaultClueHeaders(&w, printContext(session, host)); };
    windows.internationalChars = [&session, &host](MainWindow &w) {
        InternationalCharactersDialog characters(session.look(), session.settings, &w);
        host.runModal(characters);
    };
    windows.wordSeparators = [&session, &host](MainWindow &w) {
        WordSeparatorsDialog separators(session.look(), session.settings, host, &w);
        host.runModal(separators);
    };
    windows.dictionaryList = [&session, &host](MainWindow &w, bool include) {
        runDictionaryMaintenance(&w, host, lexiconContext(session), include ? UserList::Include : UserList::Exclude);
    };
    windows.jpegFactor = [&session, &host](MainWindow &w) {
        editJpegFactor(&w, session.look(), host, session.settings);
    };
    main.setWindows(std::move(windows));
}

} // namespace qx
