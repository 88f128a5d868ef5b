// Word list text files: what a file offers for import whatever wrote it, how the entries go into the
// grid rows, and the bytes an export writes.
#include "words/word_list_text.h"

#include "support/file_faults.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

using namespace qx;
using namespace qx::test;

namespace {

const QString Cafe = QStringLiteral("CAF\u00C9:coffee");
const QString Naive = QStringLiteral("NA\u00CFVE:innocent: or not");

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

std::vector<WordListRow> rowsOf(std::initializer_list<std::pair<const char *, const char *>> filled)
{
    std::vector<WordListRow> rows(200);
    size_t k = 0;
    for (const auto &[word, clue] : filled)
        rows[k++] = {QString::fromUtf8(word), QString::fromUtf8(clue)};
    return rows;
}

TEST(WordListText, AFileOffersItsTrimmedLinesWhateverItsEncodingAndLineEnds)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringList entries;
        int refusedLine = 0;
        char32_t refused = 0;
    };
    const QString x300(300, QLatin1Char('X'));
    const Case cases[] = {
        {"UTF-8, LF", "CAF\xC3\x89:coffee\nNA\xC3\x8FVE:innocent: or not\n", {Cafe, Naive}},
        {"Windows-1252, CR LF", "CAF\xC9:coffee\r\nNA\xCFVE:innocent: or not\r\n", {Cafe, Naive}},
        {"UTF-8 with a byte-order mark, CR LF, no last line end",
         "\xEF\xBB\xBF"
         "CAF\xC3\x89:coffee\r\nNA\xC3\x8FVE:innocent: or not",
         {Cafe, Naive}},
        {"the euro sign is a Windows-1252 byte", "\x80URO:money\r\n", {QStringLiteral("\u20ACURO:money")}},
        {"blank lines dropped, spaces trimmed", "DOG\n\n  \r\n   CAT  \n", {"DOG", "CAT"}},
        {"a long line is kept whole, then trimmed",
         QByteArray(300, 'X') + "\n  " + QByteArray(300, 'Y'),
         {x300, QString(300, QLatin1Char('Y'))}},
        {"a character Windows-1252 cannot hold", "OK\n\nALPHA \xCE\x91\n", {}, 3, 0x391},
        {"a control character",
         "OK\r\nA\x01"
         "B\r\n",
         {},
         2,
         0x01},
        {"a byte Windows-1252 leaves undefined", "CAF\xC9\r\n\x81X\r\n", {}, 2, 0x81},
    };
    for (const Case &c : cases) {
        const WordListEntries read = wordListEntries(c.bytes);
        EXPECT_EQ(read.entries, c.entries) << c.name;
        EXPECT_EQ(read.refused ? read.refused->number : 0, c.refusedLine) << c.name;
        EXPECT_EQ(read.refused ? read.refused->character : 0, c.refused) << c.name;
    }
    EXPECT_EQ(refusedLineText({3, 0x391}),
              QStringLiteral("Line 3 of the file cannot be imported.  The character \"\u0391\" (U+0391) cannot be "
                             "stored in a puzzle."));
}

TEST(WordListText, APairSplitsAtItsFirstSeparatorAndTrimsBothParts)
{
    struct Case {
        QString entry;
        char sep;
        QString word;
        QString clue;
    };
    const Case cases[] = {
        {"PARIS                          : capital: of France:", ':', "PARIS", "capital: of France:"},
        {"LONELY", ':', "LONELY", ""},
        {": clue only", ':', "", "clue only"},
        {"TEA ; a drink: hot", ';', "TEA", "a drink: hot"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitPair(c.entry, QLatin1Char(c.sep)), std::pair(c.word, c.clue)) << c.entry.toStdString();
    EXPECT_EQ(pairSeparator(QStringLiteral(" ")), QLatin1Char(':'));
    EXPECT_EQ(pairSeparator(QStringLiteral(";")), QLatin1Char(';'));
}

TEST(WordListImport, EntriesFillTheFirstRowsTheirModeAllowsUpTo200Words)
{
    struct Case {
        const char *name;
        std::vector<WordListRow> rows;
        QStringList entries;
        WordListMode mode;
        std::vector<std::pair<QString, QString>> firstRows; // rows 1.. after the import
        int imported;
    };
    const Case cases[] = {
        {"words go into empty word cells, beside a clue too",
         rowsOf({{"OWL", ""}, {"", "a clue"}}),
         {"CAT", "DOG"},
         WordListMode::Words,
         {{"OWL", ""}, {"CAT", "a clue"}, {"DOG", ""}},
         2},
        {"clues go only into rows with neither word nor clue",
         rowsOf({{"OWL", ""}, {"", "a clue"}}),
         {"feline"},
         WordListMode::Clues,
         {{"OWL", ""}, {"", "a clue"}, {"", "feline"}},
         1},
        {"pairs split at the first separator; without one the entry is a word",
         rowsOf({{"OWL", "night bird"}}),
         {"PARIS   ;  capital; of France ", "LONELY"},
         WordListMode::WordsAndClues,
         {{"OWL", "night bird"}, {"PARIS", "capital; of France"}, {"LONELY", ""}},
         2},
    };
    for (const Case &c : cases) {
        std::vector<WordListRow> rows = c.rows;
        EXPECT_EQ(importEntries(rows, c.entries, c.mode, QLatin1Char(';')), c.imported) << c.name;
        for (size_t k = 0; k < c.firstRows.size(); ++k)
            EXPECT_EQ(std::pair(rows[k].word, rows[k].clue), c.firstRows[k]) << c.name << " row " << k + 1;
    }

    // 199 words: of two entries the last is not used, and the question says so.
    std::vector<WordListRow> full(200);
    for (size_t k = 0; k < 199; ++k)
        full[k].word = QStringLiteral("W%1").arg(k);
    EXPECT_EQ(entriesOverLimit(full, 2), 1);
    EXPECT_EQ(entriesOverLimit(full, 1), 0);
    EXPECT_EQ(tooManyEntriesQuestion(1),
              QStringLiteral("Too many words selected.  Last word will not be used.  Continue?"));
    EXPECT_EQ(tooManyEntriesQuestion(3),
              QStringLiteral("Too many words selected.  Last 3 words will not be used.  Continue?"));
    EXPECT_EQ(importEntries(full, {"YES", "NO"}, WordListMode::Words, QLatin1Char(':')), 1);
    EXPECT_EQ(full[199].word, QStringLiteral("YES"));
}

TEST(WordListExport, WritesSortedWindows1252LinesEndedByCrLfThatImportBack)
{
    std::vector<WordListRow> rows =
        rowsOf({{"CAF\xC3\x89", "coffee"}, {"ant", ""}, {"", "a clue: alone"}, {"Bee", "buzz"}});
    rows[3].used = true;
    const QByteArray pad = QByteArray(28, ' ');
    struct Case {
        WordListMode mode;
        QByteArray bytes;
    };
    const Case cases[] = {
        {WordListMode::Words, "ant\r\nBee\r\nCAF\xC9\r\n"},
        {WordListMode::Clues, "a clue: alone\r\nbuzz\r\ncoffee\r\n"},
        {WordListMode::WordsAndClues, QByteArray(31, ' ') + "; a clue: alone\r\nant" + pad + "; \r\nBee" + pad +
                                          "; buzz\r\nCAF\xC9" + QByteArray(27, ' ') + "; coffee\r\n"},
    };
    for (const Case &c : cases) {
        QStringList lines;
        for (const ExportEntry &e : exportEntries(rows, c.mode, QLatin1Char(';')))
            lines << e.text;
        EXPECT_EQ(wordListFileBytes(lines), c.bytes) << static_cast<int>(c.mode);
    }
    const auto pairs = exportEntries(rows, WordListMode::WordsAndClues, QLatin1Char(';'));
    EXPECT_TRUE(pairs[2].used && !pairs[0].used && !pairs[1].used && !pairs[3].used);

    // What was exported as pairs imports as the same words and clues.
    QStringList lines;
    for (const ExportEntry &e : pairs)
        lines << e.text;
    std::vector<WordListRow> again(200);
    importEntries(again, wordListEntries(wordListFileBytes(lines)).entries, WordListMode::WordsAndClues,
                  QLatin1Char(';'));
    std::set<std::pair<QString, QString>> before, after;
    for (size_t k = 0; k < 4; ++k) {
        before.emplace(rows[k].word, rows[k].clue);
        after.emplace(again[k].word, again[k].clue);
    }
    EXPECT_EQ(after, before);
}

TEST(WordListExport, ReplacesItsFileWholeOrLeavesTheOldOne)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("words.txt"));
    const QStringList lines{QStringLiteral("OWL"), QStringLiteral("WREN")};
    ASSERT_TRUE(writeWordListFile(path, {QStringLiteral("OLD")}));
    {
        const ReadOnlyFolder readOnly(dir.path());
        if (readOnly.effective()) {
            const FileStatus written = writeWordListFile(path, lines);
            ASSERT_FALSE(written);
            EXPECT_EQ(written.error().kind, FileError::Kind::CannotOpen);
            EXPECT_EQ(fileBytes(path), QByteArray("OLD\r\n"));
        } else {
            ADD_FAILURE() << "the folder could not be made read-only";
        }
    }
    {
        const FileSizeLimit full(4);
        EXPECT_FALSE(writeWordListFile(path, lines));
    }
    EXPECT_EQ(fileBytes(path), QByteArray("OLD\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("words.txt")});
    ASSERT_TRUE(writeWordListFile(path, lines));
    EXPECT_EQ(fileBytes(path), QByteArray("OWL\r\nWREN\r\n"));
}

} // namespace
