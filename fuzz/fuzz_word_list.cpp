// Word list text files, as the command line's build reads them and as the word list editor's import
// offers them. The first byte picks the separator, the rest is the file. Reading never fails on
// bytes: it gives rows or a message. Rows that were read are words of at most 30 bytes, at most 200
// of them, and writing them back as lines gives the same rows again. The rows then go through the
// checks "Create" runs before a build, into a record. The import's entries are trimmed lines of at
// most 255 characters that a puzzle can store, or nothing and the line that refused them; written
// out as the export writes them, or as UTF-8 with a byte-order mark, they read back the same, and
// imported into the grid rows they fill at most 200 words.

#include "cli/build_command.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "fuzz_support.h"
#include "words/create_checks.h"
#include "words/word_list_text.h"

#include <array>

using namespace qx;
using namespace qx::fuzz;

namespace {

const ShapeRecord &square()
{
    static const ShapeRecord shape = [] {
        ShapeRecord s = newShape();
        s.ShapeWidth = 15;
        s.ShapeHeight = 15;
        return s;
    }();
    return shape;
}

void checkImportEntries(QByteArrayView text, QChar sep)
{
    const WordListEntries read = wordListEntries(text);
    int previous = 0;
    for (const RefusedLine &line : read.refused) {
        check(line.number > previous, "refused lines named once each, in file order");
        previous = line.number;
    }
    if (!read.refused.empty())
        check(refusedLinesText(read.refused, true)
                  .contains(QStringLiteral("Line %1: U+").arg(read.refused.front().number)),
              "the message names the line and its character");
    for (const QString &entry : read.entries) {
        check(!entry.isEmpty() && entry == entry.trimmed() && !entry.contains(QLatin1Char('\n')), "a trimmed line");
        check(!firstUnstorable(entry), "a storable entry");
    }
    const QByteArray exported = wordListFileBytes(read.entries);
    // A Windows-1252 file that happens to be valid UTF-8 reads as UTF-8: only one that does not
    // comes back as it was written.
    if (decodeWordListText(exported) == cp1252::toUnicode(std::string_view(exported.data(), exported.size())))
        check(wordListEntries(exported).entries == read.entries, "exported entries read back");
    const QByteArray utf8 = "\xEF\xBB\xBF" + read.entries.join(QLatin1Char('\n')).toUtf8();
    check(wordListEntries(utf8).entries == read.entries, "UTF-8 entries read back");

    std::vector<WordListRow> grid(MaxWords);
    for (const WordListMode mode : {WordListMode::Words, WordListMode::Clues, WordListMode::WordsAndClues}) {
        const int imported = importEntries(grid, read.entries, mode, sep);
        check(imported <= read.entries.size(), "no entry twice");
    }
    const auto words = std::count_if(grid.begin(), grid.end(), [](const WordListRow &r) { return !r.word.isEmpty(); });
    check(words <= MaxWords && entriesOverLimit(grid, 0) == 0, "at most 200 words");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static constexpr std::array<char, 6> Separators{':', ',', ';', '\t', '|', '='};
    const QChar sep = QLatin1Char(Separators[data[0] % Separators.size()]);
    const QByteArrayView text(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    checkImportEntries(text, sep);

    std::vector<WordRow> rows;
    const QString error = cli::readWordList(text, sep, QStringLiteral("words.txt"), rows);
    check(rows.size() <= static_cast<size_t>(MaxWords), "at most 200 rows");
    if (!error.isEmpty()) {
        check(error.startsWith(QLatin1String("line ")), "a message names its line");
        return 0;
    }

    QByteArray written;
    for (const WordRow &row : rows) {
        check(row.word.size() <= 30, "a word fits its field");
        written += cp1252::toUnicode(row.word).toUtf8() + QByteArray(1, static_cast<char>(sep.unicode())) +
                   cp1252::toUnicode(row.clue).toUtf8() + '\n';
    }
    std::vector<WordRow> again;
    check(cli::readWordList(written, sep, QStringLiteral("again.txt"), again).isEmpty(), "written rows read back");
    check(again.size() == rows.size(), "the same number of rows");
    for (size_t i = 0; i < rows.size(); ++i)
        check(again[i].word == rows[i].word && again[i].clue == rows[i].clue, "the same rows");

    TypedPuzzle typed;
    typed.title = "Fuzz";
    typed.category = "Fuzz";
    typed.rows = std::move(rows);
    auto record = std::make_unique<PuzzleRecord>();
    const CreateCheck created = checkCreate(typed, QStringLiteral("1"), square(), *record);
    if (created.ok())
        check(record->WordCount >= 1 && record->WordCount <= MaxWords, "a checked list has words");
    return 0;
}
