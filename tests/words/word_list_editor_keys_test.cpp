// The word list editor under real key events and, where it refuses a character, under the real
// host with real message boxes answered from inside their own event loop (the way a user meets
// them). These could move onto a shared real-host harness.
#include "common/ui/ui_host.h"
#include "shapes/ui/shape_list_panel.h"
#include "store/collection_file.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_editor.h"

#include "support/program_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

const QString Shipped = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");

// An editor on the program's files, shown and active. A new puzzle, or the first puzzle of the
// sample collection opened for change.
struct Editor {
    Program p{Shipped};
    QString file = p.startup.file(QStringLiteral("ONE.QX3"));
    std::unique_ptr<WordListEditor> w;

    Editor(UiHost &host, bool isNew, QStringList categories = {}, double factor = 1.0)
    {
        if (isNew) {
            p.session.current->resetForNewPuzzle(p.session.layoutForNewPuzzle());
        } else {
            const auto built = CollectionFile(Shipped + QStringLiteral("/SAMPLE.QX3")).read(0);
            *p.session.current = built.value();
            EXPECT_TRUE(CollectionFile(file).append(*built));
            p.session.currentPlace = PuzzlePlace::read(0, CollectionFile(file).file().read(0).value());
        }
        DialogLook look;
        look.screenFactor = factor;
        WordListContext context{look,
                                p.session.settings,
                                *p.session.current,
                                p.session.currentShape,
                                *p.session.candidates,
                                p.session.shapeLibrary().path(),
                                file,
                                p.session.currentPlace,
                                std::move(categories),
                                {}};
        w = std::make_unique<WordListEditor>(context, host, QString());
        w->show();
        activate();
    }

    // The window takes the keys again (a message box that closed may have left no window active).
    void activate() const
    {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    WordGrid &grid() const { return *w->wordsCluesGrid(); }
    QString cell(int row, int column) const { return grid().item(row, column)->text(); }
    // Puts the cursor on a cell; its editor opens and takes the keys.
    QWidget *at(int row, int column) const
    {
        activate();
        grid().setFocus();
        grid().setCurrentCell(row, column);
        return QApplication::focusWidget();
    }
};

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Each key goes to whatever has the focus at that moment, as from a keyboard.
void typeText(const QString &text)
{
    for (const QChar ch : text)
        QTest::keyClick(focused(), ch.toLatin1());
}

// Answers each message box the real host opens with Enter, from inside the box's own event loop,
// and keeps its text.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_texts << box->text();
            QTest::keyClick(box, Qt::Key_Enter);
        });
        m_timer.start(10);
    }

    // Runs the event loop until a message has been answered (or two seconds have passed) and
    // returns what was said.
    QStringList answered()
    {
        QElapsedTimer clock;
        clock.start();
        while (m_texts.isEmpty() && clock.elapsed() < 2000)
            QTest::qWait(10);
        QTest::qWait(20);
        return std::exchange(m_texts, {});
    }

private:
    QTimer m_timer;
    QStringList m_texts;
};

void typeCharacter(QWidget *widget, const QString &character)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, character, Qt::NoModifier);
}

void paste(QWidget *widget, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keySequence(widget, QKeySequence::Paste);
}

} // namespace

TEST(WordListEditorRealHost, ARefusedCharacterIsToldAndEverythingTypedStays)
{
    QtUiHost host;
    MessageBoxAnswerer answerer;
    Editor e(host, true);
    e.at(0, WordGrid::WordColumn);
    typeText(QStringLiteral("OWL"));

    const QString alpha = QStringLiteral("The character \"\u0391\" (U+0391) cannot be stored in a puzzle.");
    const QString nul = QStringLiteral("The character U+0000 cannot be stored in a puzzle.");
    const QString ab = QStringLiteral("ab");
    const QString abxy = QStringLiteral("abxy");
    struct Case {
        const char *control;
        std::function<QWidget *()> focus;
        std::function<QString()> text;
        std::function<void(QWidget *)> refused;
        QString message;
        QString kept;
    };
    const auto typeAlpha = [](QWidget *w) { typeCharacter(w, QStringLiteral("\u0391")); };
    const auto pasteNul = [](QWidget *w) { paste(w, QString::fromUtf16(u"x\u0000y", 3)); };
    const auto edit = [&](QLineEdit *line) {
        return [&e, line] {
            e.activate();
            line->clear();
            line->setFocus();
            return static_cast<QWidget *>(line);
        };
    };
    const auto textOf = [](QLineEdit *line) { return [line] { return line->text(); }; };
    const auto cellFocus = [&](int row, int column) { return [&e, row, column] { return e.at(row, column); }; };
    const auto cellText = [&](int row, int column) { return [&e, row, column] { return e.cell(row, column); }; };
    const Case cases[] = {
        {"word", cellFocus(1, WordGrid::WordColumn), cellText(1, WordGrid::WordColumn), typeAlpha, alpha, ab},
        {"clue", cellFocus(1, WordGrid::ClueColumn), cellText(1, WordGrid::ClueColumn), typeAlpha, alpha, ab},
        {"title", edit(e.w->titleEdit()), textOf(e.w->titleEdit()), typeAlpha, alpha, ab},
        {"category", edit(e.w->categoryBox()->lineEdit()), textOf(e.w->categoryBox()->lineEdit()), typeAlpha, alpha,
         ab},
        {"bonus question", edit(e.w->bonusQuest()), textOf(e.w->bonusQuest()), typeAlpha, alpha, ab},
        {"pasted word", cellFocus(2, WordGrid::WordColumn), cellText(2, WordGrid::WordColumn), pasteNul, nul, abxy},
        {"pasted clue", cellFocus(2, WordGrid::ClueColumn), cellText(2, WordGrid::ClueColumn), pasteNul, nul, abxy},
        {"pasted title", edit(e.w->titleEdit()), textOf(e.w->titleEdit()), pasteNul, nul, abxy},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        QWidget *target = c.focus();
        QTest::keyClicks(target, QStringLiteral("ab"));
        c.refused(target);
        EXPECT_EQ(answerer.answered(), QStringList{c.message});
        ASSERT_TRUE(e.w->isVisible());
        e.grid().setFocus(); // a cell editor hands its text to the grid when it closes
        EXPECT_EQ(c.text(), c.kept);
    }
    // Nothing typed before is lost.
    EXPECT_EQ(e.cell(0, WordGrid::WordColumn), QStringLiteral("OWL"));
    EXPECT_EQ(e.cell(1, WordGrid::WordColumn), QStringLiteral("ab"));
    EXPECT_EQ(e.w->bonusQuest()->text(), QStringLiteral("ab"));
}

TEST(WordListEditorKeys, TabAndEnterGoWordThenClueThenTheNextRowsWord)
{
    ScriptedUiHost host;
    Editor e(host, true);
    e.at(0, WordGrid::WordColumn);
    // Each step: keys typed into whatever has the focus, then the key that moves on.
    const std::pair<const char *, Qt::Key> typed[] = {
        {"owl", Qt::Key_Tab},        {"night bird", Qt::Key_Tab}, {"emu", Qt::Key_Return},
        {"big bird", Qt::Key_Enter}, {"kiwi", Qt::Key_Tab},       {"no wings", Qt::Key_Backtab},
    };
    for (const auto &[text, key] : typed) {
        typeText(QString::fromLatin1(text));
        QTest::keyClick(focused(), key);
    }
    EXPECT_EQ(e.grid().currentIndex(), e.grid().model()->index(2, WordGrid::WordColumn));
    e.grid().setFocus();
    const QStringList rows[] = {{"owl", "night bird"}, {"emu", "big bird"}, {"kiwi", "no wings"}};
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ((QStringList{e.cell(row, WordGrid::WordColumn), e.cell(row, WordGrid::ClueColumn)}), rows[row]);

    // The number columns take no cursor from a click or an arrow key; typing goes on in the word.
    e.at(4, WordGrid::WordColumn);
    for (const int column : {WordGrid::CntColumn, WordGrid::UColumn}) {
        QTest::mouseClick(e.grid().viewport(), Qt::LeftButton, {},
                          e.grid().visualRect(e.grid().model()->index(6, column)).center());
        EXPECT_EQ(e.grid().currentIndex(), e.grid().model()->index(4, WordGrid::WordColumn));
    }
    QTest::keyClick(focused(), Qt::Key_Left);
    typeText(QStringLiteral("tern"));
    e.grid().setFocus();
    EXPECT_EQ(e.cell(4, WordGrid::WordColumn), QStringLiteral("tern"));
    EXPECT_EQ(e.grid().currentIndex(), e.grid().model()->index(4, WordGrid::WordColumn));

    // In a built puzzle only the clues change: Tab goes from clue to clue.
    Editor built(host, false);
    built.at(0, WordGrid::ClueColumn);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(built.grid().currentIndex(), built.grid().model()->index(1, WordGrid::ClueColumn));
}

TEST(WordListEditorKeys, TheCategoryIsSavedAsTypedNotCompleted)
{
    ScriptedUiHost host;
    Editor e(host, false, {QStringLiteral("Testing Category Lon"), QStringLiteral("Birds")});
    QLineEdit *category = e.w->categoryBox()->lineEdit();
    category->setFocus();
    category->selectAll();
    QTest::keyClicks(category, QStringLiteral("Test"));
    EXPECT_EQ(e.w->categoryBox()->currentText(), QStringLiteral("Test"));
    e.w->onSaveButtonClicked();
    EXPECT_EQ(CollectionFile(e.file).read(0).value().Category.str(), "Test");
}

// Each window at both screen factors, looked at as pictures: the row numbers up to 200, a full
// category and the shape names show whole, and the shape list never scrolls sideways.
TEST(WordListEditorLook, NumbersCategoryAndShapeNamesShowWholeAtBothFactors)
{
    const QString dir = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    const QString category = QStringLiteral("Garden Birds Of Kent"); // 20 characters, not in the list
    for (const double factor : {1.0, 1.6}) {
        SCOPED_TRACE(factor);
        ScriptedUiHost host;
        Editor e(host, true, {QStringLiteral("Birds")}, factor);
        e.w->categoryBox()->setCurrentText(category);
        e.grid().scrollToBottom();
        QApplication::processEvents();
        EXPECT_TRUE(e.w->grab().save(dir + QStringLiteral("/word_list_editor_look_%1.png").arg(factor)));

        const WordGrid &grid = e.grid();
        const int cellText = grid.columnWidth(WordGrid::CntColumn) - 6; // item margins and the grid line
        EXPECT_GE(cellText, grid.fontMetrics().horizontalAdvance(QStringLiteral("200")));
        EXPECT_GE(grid.columnWidth(WordGrid::CntColumn),
                  grid.horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Cnt")));

        const QLineEdit *edit = e.w->categoryBox()->lineEdit();
        EXPECT_GE(edit->width() - 4, edit->fontMetrics().horizontalAdvance(category));

        const QListWidget *shapes = e.w->shapes()->shapeBox();
        ASSERT_GT(shapes->count(), 5);
        EXPECT_FALSE(shapes->horizontalScrollBar()->isVisible());
        for (int k = 0; k < shapes->count(); ++k) {
            const QString name = shapes->item(k)->text();
            EXPECT_LE(shapes->fontMetrics().horizontalAdvance(name) + 4, shapes->viewport()->width())
                << name.toStdString();
        }
    }
}
