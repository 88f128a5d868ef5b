// Word list text files as the command line's build reads them. The first byte picks the
// separator, the rest is the file. Reading never fails on bytes: it gives rows or a message. Rows
// that were read are words of at most 30 bytes, at most 200 of them, and writing them back as
// lines gives the same rows again. The rows then go through the checks "Create" runs before a
// build, into a record.

#include "cli/build_command.h"
#include "common/cp1252.h"
#include "fuzz_support.h"
#include "words/create_checks.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static constexpr std::array<char, 6> Separators{':', ',', ';', '\t', '|', '='};
    const QChar sep = QLatin1Char(Separators[data[0] % Separators.size()]);
    const QByteArrayView text(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

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
