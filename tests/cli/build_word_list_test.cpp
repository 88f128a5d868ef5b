// The word list text as `build` reads it: what one line gives, and where reading stops with which
// message.

#include "cli/build_command.h"

#include <gtest/gtest.h>

namespace {

using qx::WordRow;

std::vector<std::pair<std::string, std::string>> pairs(const std::vector<WordRow> &rows)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto &r : rows)
        out.emplace_back(r.word, r.clue);
    return out;
}

TEST(BuildWordList, LinesGiveRowsOrTheFirstErrorWithItsLine)
{
    using Rows = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        QByteArray text;
        char sep;
        Rows rows;
        QString error;
    };
    const std::string thirtyOne(31, 'A');
    const Case cases[] = {
        // CRLF and LF alike, blanks around both parts, the clue keeps later separators.
        {"OWL : night bird \r\nWREN:small: brown\r\n", ':', {{"OWL", "night bird"}, {"WREN", "small: brown"}}, {}},
        // Comments and blank lines are skipped but counted; a line without separator is a word.
        {"# c\n\n  \nTERN\n:clue only\n", ':', {{"TERN", ""}, {"", "clue only"}}, {}},
        {"A,b:c\n", ',', {{"A", "b:c"}}, {}},
        // UTF-8 accented letters become Windows-1252 bytes; no line end at the end of the file.
        {"CAF\xC3\x89:coffee", ':', {{"CAF\xC9", "coffee"}}, {}},
        {"OK:fine\n\n" + QByteArray::fromStdString(thirtyOne) + ":long\n",
         ':',
         {{"OK", "fine"}},
         QStringLiteral("line 3 of w.txt: the word holds more than 30 characters")},
        {"OK:fine\nOMEGA:\xCE\xA9\n",
         ':',
         {{"OK", "fine"}},
         QStringLiteral("line 2 of w.txt holds \"\u03A9\" (U+03A9), which a puzzle cannot store (Windows-1252 only)")},
        // A control character would stand in the grid (a NUL means "outside the shape") or reach
        // the page: refused in the word and in the clue, with its code since it cannot be seen.
        {QByteArray("OK:fine\nOCTO\0PUS:eight arms\n", 30),
         ':',
         {{"OK", "fine"}},
         QStringLiteral("line 2 of w.txt holds the control character U+0000, which a puzzle cannot store")},
        {"OWL:night\x1b[2Jbird\n",
         ':',
         {},
         QStringLiteral("line 1 of w.txt holds the control character U+001B, which a puzzle cannot store")},
        // A tab is spacing, read as a blank; DEL is not.
        {"EMU:a\tb\x7f\n",
         ':',
         {},
         QStringLiteral("line 1 of w.txt holds the control character U+007F, which a puzzle cannot store")},
    };
    for (const Case &c : cases) {
        std::vector<WordRow> rows;
        const QString error = qx::cli::readWordList(c.text, QLatin1Char(c.sep), QStringLiteral("w.txt"), rows);
        EXPECT_EQ(pairs(rows), c.rows) << c.text.toStdString();
        EXPECT_EQ(error, c.error) << c.text.toStdString();
    }

    QByteArray many;
    for (int k = 0; k < 201; ++k)
        many += "W" + QByteArray::number(k) + ":c\n";
    std::vector<WordRow> rows;
    EXPECT_EQ(qx::cli::readWordList(many, QLatin1Char(':'), QStringLiteral("w.txt"), rows),
              QStringLiteral("line 201 of w.txt: a puzzle holds at most 200 words"));
    EXPECT_EQ(rows.size(), 200u);
}

} // namespace
