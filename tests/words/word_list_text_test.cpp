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
        std::vector<RefusedLine> refused = {};
    };
    const QString x300(300, QLatin1Char('X'));
    const Case cases[] = {
        {"UTF-8, LF", "CAF\xC3\x89:coffee\nNA\xC3\x8FVE:innocent: or not\n", {Cafe, Naive}},
        {"Windows-1252, CR LF", "CAF\xC9:coffee\r\nNA\xCFVE:innocent: or not\r\n", {Cafe, Naive}},
        {"UTF-8 with a byte-order mark, CR LF, no last line end",
         "\xEF\xBB\xBF"
         "CAF\xC3\x89:coffee\r\nNA\xC3\x8FVE:innocent: or not",
         {Cafe, Naive}},
        {"old Macintosh line ends, CR alone", "CAF\xC9:coffee\r\rNA\xCFVE:innocent: or not\r", {Cafe, Naive}},
        {"a tab is a space, inside or around", "\tRAIN\t:\twet\r\nSNOW\tFALL\n", {"RAIN : wet", "SNOW FALL"}},
        {"the euro sign is a Windows-1252 byte", "\x80URO:money\r\n", {QStringLiteral("\u20ACURO:money")}},
        {"blank lines dropped, spaces trimmed", "DOG\n\n  \r\n   CAT  \n", {"DOG", "CAT"}},
        {"a long line is kept whole, then trimmed",
         QByteArray(300, 'X') + "\n  " + QByteArray(300, 'Y'),
         {x300, QString(300, QLatin1Char('Y'))}},
        {"every line that cannot be stored is named, the others are offered",
         "OK\n\nALPHA \xCE\x91\nSUN\nSMILE \xF0\x9F\x98\x80 \xCE\x91\n",
         {"OK", "SUN"},
         {{3, 0x391}, {5, 0x1F600}}},
        {"a control character",
         "OK\r\nA\x01"
         "B\r\n",
         {"OK"},
         {{2, 0x01}}},
        {"a byte Windows-1252 leaves undefined", "CAF\xC9\r\n\x81X\r\n", {"CAF\u00C9"}, {{2, 0x81}}},
    };
    for (const Case &c : cases) {
        const WordListEntries read = wordListEntries(c.bytes);
        EXPECT_EQ(read.entries, c.entries) << c.name;
        EXPECT_EQ(read.refused, c.refused) << c.name;
    }
}

TEST(WordListText, RefusedLinesAreListedWithTheirCharactersNamed)
{
    const std::vector<RefusedLine> two = {{3, 0x1F600}, {7, 0x0B}};
    EXPECT_EQ(refusedLinesText(two, true),
              QStringLiteral("These lines of the file hold a character a puzzle cannot store:\n"
                             "Line 3: U+1F600 GRINNING FACE\nLine 7: U+000B LINE TABULATION\n\n"
                             "Import the other lines?"));
    EXPECT_EQ(refusedLinesText({{1, 0x391}}, false),
              QStringLiteral("These lines of the file hold a character a puzzle cannot store:\n"
                             "Line 1: U+0391 GREEK CAPITAL LETTER ALPHA"));
    // A long list is cut short, saying how much more there is.
    std::vector<RefusedLine> many;
    for (int n = 1; n <= 23; ++n)
        many.push_back({n, 0x01});
    const QStringList lines = refusedLinesText(many, false).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[20], QStringLiteral("Line 20: U+0001"));
    EXPECT_EQ(lines[21], QStringLiteral("... and 3 more line(s)."));
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
