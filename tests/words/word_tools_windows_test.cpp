// The word list editor's tools through the scripted host: the separator and international
// character settings windows, the keys and menu that type the characters, and word list import and
// export between the editor's grid and text files.
#include "common/ini_file.h"
#include "render/print_options.h"
#include "store/collection_file.h"
#include "words/ui/international_characters_dialog.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_editor.h"
#include "words/ui/word_list_export_dialog.h"
#include "words/ui/word_list_import_dialog.h"
#include "words/ui/word_separators_dialog.h"

#include "support/file_faults.h"
#include "support/program_fixture.h"
#include "support/screenshots.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

const QString Shipped = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");

// The word list editor on a new puzzle, or on the first puzzle of the sample collection.
struct Editor {
    Program p{Shipped};
    std::unique_ptr<WordListEditor> w;

    explicit Editor(bool isNew = true, double factor = 1.0)
    {
        const QString file = p.startup.file(QStringLiteral("ONE.QX3"));
        if (isNew) {
            p.session.current->resetForNewPuzzle(p.session.layoutForNewPuzzle());
        } else {
            *p.session.current = CollectionFile(Shipped + QStringLiteral("/SAMPLE.QX3")).read(0).value();
            EXPECT_TRUE(CollectionFile(file).append(*p.session.current));
            p.session.currentPlace = PuzzlePlace::read(0, CollectionFile(file).file().read(0).value());
        }
        DialogLook look;
        look.screenFactor = factor;
        w = std::make_unique<WordListEditor>(WordListContext{look,
                                                             p.session.settings,
                                                             *p.session.current,
                                                             p.session.currentShape,
                                                             *p.session.candidates,
                                                             p.session.shapeLibrary().path(),
                                                             file,
                                                             p.session.currentPlace,
                                                             QStringList{},
                                                             {}},
                                             p.host, QString());
        w->show();
    }
    WordGrid &grid() const { return *w->wordsCluesGrid(); }
    QString cell(int row, int column) const { return grid().text(row, column); }
    void set(int row, int column, const QString &text) const { grid().item(row, column)->setText(text); }
};

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Imports the file through the editor's Import window: every entry, in the mode given.
void importAll(Editor &e, const QString &path, QRadioButton *WordListModeControls::*mode)
{
    e.p.host.pickFile(path);
    e.p.host.onModal([mode](QDialog &d) {
        auto &import = dynamic_cast<WordListImportDialog &>(d);
        import.show();
        (import.modes().*mode)->click();
        import.openWordFile();
        import.list()->selectAll();
        import.acceptEntries();
        return import.result();
    });
    e.w->importWordList();
}

TEST(LettersWindows, OpeningChangesNothingAndEachChoiceTakesEffect)
{
    Program p(Shipped);
    Settings &s = p.session.settings;
    // Filled in from a settings file: a refused separator, or one no puzzle can hold, and keys with
    // and without their zero. Opening shows them as they are and neither refuses nor changes them.
    for (const QString &sep : {QStringLiteral("\u0391"), QStringLiteral("q")}) {
        const QString ini = QStringLiteral("[Create Options]\nInt Key 1=225\nInt Key 3=0300\nInt Key 5=x\n"
                                           "[Reports]\nWord Sep Dash=Yes\nWord Sep Char=") +
                            sep + QLatin1Char('\n');
        s.load(IniFile::fromText(ini), p.startup.path());
        const Settings before = s;
        auto separators = std::make_unique<WordSeparatorsDialog>(DialogLook{}, s, p.host);
        separators->show();
        QApplication::processEvents();
        EXPECT_TRUE(p.host.messages().empty());
        EXPECT_TRUE(s == before);
        EXPECT_TRUE(separators->dash()->isChecked() && !separators->star()->isChecked());
        EXPECT_EQ(separators->otherChar()->text(), sep == QLatin1String("q") ? sep : QString());
    }
    WordSeparatorsDialog separators({}, s, p.host);
    separators.show();
    separators.star()->click();
    separators.other()->click();
    separators.otherChar()->setText(QStringLiteral("Q"));
    QApplication::processEvents();
    ASSERT_EQ(p.host.messages().size(), 1u);
    EXPECT_EQ(p.host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(p.host.messages()[0].text, QStringLiteral("Character cannot be in A..Z.  Please correct."));
    EXPECT_EQ(s.reports.wordSepChar, QLatin1Char(' '));
    EXPECT_TRUE(separators.otherChar()->text().isEmpty());
    separators.otherChar()->setText(QStringLiteral("#"));
    // What the page is printed with.
    EXPECT_EQ(printOptionsFromSettings(s).wordSeparators, "-*#");

    // 225 without its zero is á; 0300 and x are no character of the list and show its first.
    for (const bool ok : {false, true}) {
        InternationalCharactersDialog characters({}, s);
        characters.show();
        EXPECT_EQ(characters.list(1)->currentText(), QStringLiteral("\u00E1"));
        EXPECT_EQ(characters.list(3)->currentIndex(), 0);
        EXPECT_EQ(characters.list(5)->currentText(), QStringLiteral("\u00C0"));
        EXPECT_EQ(characters.list(2)->currentText(), QStringLiteral("\u00E9"));
        characters.list(2)->setCurrentIndex(characters.list(2)->findText(QStringLiteral("\u00FF")));
        if (ok)
            characters.acceptEntries();
        else
            characters.findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
        EXPECT_EQ(s.createOptions.intKeys[1], ok ? QStringLiteral("0255") : QStringLiteral("0233"));
    }
    IniFile saved;
    s.save(saved);
    for (const auto &[key, value] : {std::pair{u"Int Key 1", u"0225"}, std::pair{u"Int Key 3", u"0192"},
                                     std::pair{u"Int Key 5", u"0192"}, std::pair{u"Int Key 12", u"0242"}})
        EXPECT_EQ(saved.value(u"Create Options", key), QString::fromUtf16(value))
            << QString::fromUtf16(key).toStdString();
    EXPECT_EQ(saved.value(u"Reports", u"Word Sep Char"), QStringLiteral("#"));
}

TEST(InternationalKeys, TheMenuAndTheFunctionKeysTypeIntoTheFocusedField)
{
    Editor e;
    e.p.session.settings.createOptions.intKeys[1] = QStringLiteral("233"); // é, written without its zero
    QApplication::setActiveWindow(e.w.get());
    e.w->titleEdit()->setFocus();
    QStringList captions;
    for (QAction *a : e.w->actions())
        captions << a->text() + QLatin1Char('=') + a->shortcut().toString();
    EXPECT_EQ(captions.size(), 12);
    EXPECT_EQ(captions.first(), QStringLiteral("1=F1"));
    EXPECT_EQ(captions.last(), QStringLiteral("12=F12"));
    EXPECT_EQ(e.w->contextMenuPolicy(), Qt::ActionsContextMenu);
    e.w->actions()[1]->trigger();
    EXPECT_EQ(e.w->titleEdit()->text(), QStringLiteral("\u00E9"));

    // A cell takes it in its editor, as a typed key; the button opens the assignments.
    e.set(0, WordGrid::WordColumn, QStringLiteral("CAF"));
    e.grid().setFocus();
    e.grid().setCurrentCell(0, WordGrid::WordColumn);
    auto *cellEditor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(cellEditor);
    cellEditor->end(false);
    e.w->actions()[1]->trigger();
    EXPECT_EQ(cellEditor->text(), QStringLiteral("CAF\u00E9"));
    QString opened;
    e.p.host.onModal([&](QDialog &d) {
        opened = d.windowTitle();
        return 0;
    });
    e.w->button(QStringLiteral("IntCharButton"))->click();
    EXPECT_EQ(opened, QStringLiteral("International Characters"));
}

TEST(WordListImport, TheSameListInUtf8AndWindows1252GivesTheSameRecord)
{
    TempDir dir;
    const QByteArray utf8 = "\xEF\xBB\xBF"
                            "CAF\xC3\x89 : coffee: black\r\n\r\n  OWL:night bird\r\n";
    const QByteArray cp1252 = "CAF\xC9 : coffee: black\n\n  OWL:night bird\n";
    std::vector<std::unique_ptr<PuzzleRecord>> records;
    for (const QByteArray &bytes : {utf8, cp1252}) {
        Editor e;
        e.set(0, WordGrid::WordColumn, QStringLiteral("EMU"));
        importAll(e, writeFile(dir.file(QStringLiteral("list.txt")), bytes), &WordListModeControls::asWordsAndClues);
        records.push_back(std::make_unique<PuzzleRecord>());
        writeRowsIntoRecord(e.w->typedPuzzle(), *records.back());
        EXPECT_TRUE(e.p.host.messages().empty());
        EXPECT_EQ(e.p.session.settings.createOptions.importOption, 3);
        EXPECT_EQ(e.p.session.settings.misc.lastImportWordFile, dir.file(QStringLiteral("list.txt")));
    }
    const PuzzleRecord &r = *records[0];
    EXPECT_EQ(r.WordCount, 3);
    EXPECT_EQ(r.Words[1].str(), "CAF\xC9");
    EXPECT_EQ(r.Clues[1].str(), "coffee: black");
    EXPECT_EQ(r.Words[2].str(), "OWL");
    for (size_t k = 0; k < 3; ++k)
        EXPECT_TRUE(records[1]->Words[k] == r.Words[k] && records[1]->Clues[k] == r.Clues[k]) << k;
}

TEST(WordListImport, RefusalsAndTheTooManyWordsQuestion)
{
    TempDir dir;
    Editor e;
    for (int row = 0; row < 199; ++row)
        e.set(row, WordGrid::WordColumn, QStringLiteral("W%1").arg(row));
    const QString refused = writeFile(dir.file(QStringLiteral("refused.txt")), "CAT\nALPHA \xCE\x91\n");
    const QString two = writeFile(dir.file(QStringLiteral("two.txt")), "CAT\nDOG\n");
    e.p.host.pickFile(dir.file(QStringLiteral("missing.txt")));
    e.p.host.pickFile(refused);
    e.p.host.pickFile(refused);
    e.p.host.pickFile(two);
    // The scripted answers go to every box in turn: an error, the refused line declined and then
    // accepted, an error, then the question twice.
    for (const Answer a : {Answer::Ok, Answer::No, Answer::Yes, Answer::Ok, Answer::No, Answer::Yes})
        e.p.host.answerNext(a);
    e.p.host.onModal([&](QDialog &d) {
        auto &import = dynamic_cast<WordListImportDialog &>(d);
        import.show();
        EXPECT_FALSE(import.button(QStringLiteral("Ok"))->isEnabled());
        EXPECT_FALSE(import.modes().sepChar->isVisible()); // words, the default
        import.openWordFile();
        import.openWordFile();
        EXPECT_EQ(import.list()->count(), 0);
        import.openWordFile();
        EXPECT_EQ(import.list()->count(), 1);
        EXPECT_EQ(import.list()->findItems(QStringLiteral("CAT"), Qt::MatchExactly).size(), 1);
        import.openWordFile();
        EXPECT_TRUE(import.button(QStringLiteral("Ok"))->isEnabled());
        import.modes().asWordsAndClues->click();
        EXPECT_TRUE(import.modes().sepChar->isVisible());
        import.modes().sepChar->setText(QStringLiteral(" "));
        import.acceptEntries(); // no separator
        import.modes().sepChar->setText(QStringLiteral(";"));
        import.list()->selectAll();
        import.acceptEntries(); // No
        EXPECT_TRUE(import.isVisible());
        import.acceptEntries(); // Yes
        return import.result();
    });
    e.w->importWordList();
    QStringList texts;
    for (const auto &m : e.p.host.messages())
        texts << m.caption + QLatin1Char(':') + m.text;
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("Error:Unable to open import file."),
                         QStringLiteral("Warning:These lines of the file hold a character a puzzle cannot store:\n"
                                        "Line 2: U+0391 GREEK CAPITAL LETTER ALPHA\n\nImport the other lines?"),
                         QStringLiteral("Warning:These lines of the file hold a character a puzzle cannot store:\n"
                                        "Line 2: U+0391 GREEK CAPITAL LETTER ALPHA\n\nImport the other lines?"),
                         QStringLiteral("Error:No word/clue seperator character specified."),
                         QStringLiteral("Warning:Too many words selected.  Last word will not be used.  Continue?"),
                         QStringLiteral("Warning:Too many words selected.  Last word will not be used.  Continue?"),
                     }));
    EXPECT_EQ(e.cell(199, WordGrid::WordColumn), QStringLiteral("CAT"));
    EXPECT_EQ(e.p.session.settings.createOptions.sepChar, QLatin1Char(';'));
}

TEST(WordListExport, SelectionsMessagesAndAFolderThatCannotTakeTheFile)
{
    TempDir dir;
    Editor e(false);
    const QString out = dir.file(QStringLiteral("out.txt"));
    writeFile(out, "OLD\r\n");
    e.p.host.pickFile(out);
    e.p.host.pickFile(out);
    e.p.host.onModal([&](QDialog &d) {
        auto &exporter = dynamic_cast<WordListExportDialog &>(d);
        exporter.show();
        QPushButton *save = exporter.button(QStringLiteral("SaveFile"));
        EXPECT_TRUE(exporter.modes().asWordsAndClues->isChecked()); // the default
        EXPECT_FALSE(save->isEnabled());
        exporter.saveWordList();
        exporter.modes().asWords->click();
        EXPECT_EQ(e.p.session.settings.createOptions.exportOption, 1);
        exporter.selectUsedWords();
        const int used = static_cast<int>(exporter.list()->selectedItems().size());
        EXPECT_GT(used, 0);
        EXPECT_TRUE(save->isEnabled());
        exporter.button(QStringLiteral("Clear"))->click();
        EXPECT_FALSE(save->isEnabled());
        exporter.list()->item(0)->setSelected(true);
        EXPECT_TRUE(save->isEnabled());
        {
            const ReadOnlyFolder readOnly(dir.path());
            EXPECT_TRUE(readOnly.effective());
            exporter.saveWordList();
        }
        EXPECT_TRUE(exporter.isVisible());
        EXPECT_EQ(fileBytes(out), QByteArray("OLD\r\n"));
        exporter.saveWordList();
        EXPECT_FALSE(exporter.isVisible());
        return exporter.result();
    });
    e.w->exportWordList();
    ASSERT_EQ(e.p.host.messages().size(), 2u);
    EXPECT_EQ(e.p.host.messages()[0].text,
              QStringLiteral("No words/clues selected for output.  Please select the desired words/clues."));
    EXPECT_EQ(e.p.host.messages()[1].text, QStringLiteral("Unable to create export file."));
    EXPECT_EQ(e.p.host.fileRequests().back().title, QStringLiteral("Save Word/Clue List"));
    // The first word in the list's order, Windows-1252, CR LF.
    QStringList words;
    for (int k = 0; k < e.p.session.current->wordsInUse(); ++k)
        words << QString::fromLatin1(e.p.session.current->Words[static_cast<size_t>(k)].str());
    sortEntries(words);
    EXPECT_EQ(fileBytes(out), words.first().toLatin1() + "\r\n");
    EXPECT_FALSE(e.w->button(QStringLiteral("ImportClue"))->isEnabled()); // a built puzzle keeps its words
}

TEST(WordToolsLook, TheNewWindowsAtBothFactors)
{
    for (const double factor : {1.0, 1.6}) {
        Editor e(false, factor);
        DialogLook look;
        look.screenFactor = factor;
        const QString suffix = factor > 1 ? QStringLiteral("-1.6.png") : QStringLiteral("-1.0.png");
        WordSeparatorsDialog separators(look, e.p.session.settings, e.p.host);
        InternationalCharactersDialog characters(look, e.p.session.settings);
        WordListExportDialog exporter(look, e.p.session.settings, e.p.host, recordRows(*e.p.session.current), false);
        WordListImportDialog import(look, e.p.session.settings, e.p.host, recordRows(*e.p.session.current));
        for (auto [dialog, name] : {std::pair<QDialog *, const char *>{&separators, "word-separators"},
                                    {&characters, "international-characters"},
                                    {&exporter, "word-list-export"},
                                    {&import, "word-list-import"}}) {
            dialog->show();
            QApplication::processEvents();
            // Every control shows whole: the window is at least as large as its layout asks.
            EXPECT_GE(dialog->width(), dialog->minimumSizeHint().width()) << name;
            EXPECT_GE(dialog->height(), dialog->minimumSizeHint().height()) << name;
            saveScreenshot(*dialog, QString::fromLatin1(name) + suffix);
            dialog->hide();
        }
    }
}

} // namespace
