// The .ipuz and .puz files, read back with the readers a solving app would use: every sample
// puzzle gives the words, numbers, clues and letters it prints, in order, with valid checksums; and
// the puzzles a format cannot hold are refused with one clear line.
#include "builder/word_order.h"
#include "common/cp1252.h"
#include "export/export_formats.h"
#include "export/solvable_page_script.h"
#include "store/collection_file.h"

#include "export/solving_readers.h"
#include "support/built_record.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

using namespace qx;
using namespace qx::test;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

// What the record says a solver should find, straight from its fields: each placed word's number,
// direction, first square, its letters as the grid holds them and its clue, in the record's order.
std::vector<ReadEntry> recordEntries(const PuzzleRecord &r)
{
    std::vector<ReadEntry> out;
    for (int k = 0; k < r.wordsInUse(); ++k) {
        if (r.WordPlaced[k] == 0)
            continue;
        ReadEntry e;
        e.number = r.WordNumber[k];
        e.across = r.WordAcross[k] != 0;
        e.row = (r.WordPos[k] - 1) / GridSide;
        e.col = (r.WordPos[k] - 1) % GridSide;
        std::string letters;
        for (int i = 0; i < r.WordLen[k]; ++i)
            letters += static_cast<char>(r.cell(e.row + 1 + (e.across ? 0 : i), e.col + 1 + (e.across ? i : 0)));
        e.answer = cp1252::toUnicode(letters);
        e.clue = cp1252::toUnicode(r.Clues[k].str());
        out.push_back(e);
    }
    return out;
}

// The ipuz lists: across words, then down words, each in the record's order.
std::vector<ReadEntry> ipuzOrder(std::vector<ReadEntry> entries)
{
    std::stable_partition(entries.begin(), entries.end(), [](const ReadEntry &e) { return e.across; });
    return entries;
}

// The .puz order: by number, across before down.
std::vector<ReadEntry> puzOrder(std::vector<ReadEntry> entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ReadEntry &a, const ReadEntry &b) {
        return a.number != b.number ? a.number < b.number : a.across > b.across;
    });
    return entries;
}

std::vector<ReadEntry> withoutEnumerations(std::vector<ReadEntry> entries)
{
    for (ReadEntry &e : entries)
        e.enumeration.clear();
    return entries;
}

struct Written {
    FileStatus status = fileDone();
    QByteArray bytes;
};

Written exportTo(const ExportFormat &format, const PuzzleRecord &record, const TempDir &dir)
{
    const QString path = dir.file(QStringLiteral("puzzle.") + format.suffix());
    QFile::remove(path);
    ExportInput input;
    input.record = &record;
    Written out;
    out.status = format.write(input, path);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        out.bytes = file.readAll();
    return out;
}

std::string describe(const std::vector<ReadEntry> &entries)
{
    std::string out;
    for (const ReadEntry &e : entries) {
        out += std::to_string(e.number) + (e.across ? "A " : "D ") + e.answer.toStdString() + " (" +
               std::to_string(e.row) + "," + std::to_string(e.col) + ") " + e.clue.toStdString() + "\n";
    }
    return out;
}

} // namespace

TEST(SolvingFormats, AreFoundByTheirExtensionInAnyCase)
{
    const struct {
        const char *path;
        const ExportFormat *format;
    } cases[] = {{"a.ipuz", &ipuzFormat()}, {"/x/A.PUZ", &puzFormat()}, {"a.pdf", nullptr}, {"puz", nullptr}};
    for (const auto &c : cases)
        EXPECT_EQ(solvingFormatFor(QString::fromUtf8(c.path)), c.format) << c.path;
}

TEST(SolvingFormats, EverySamplePuzzleReadsBackWithItsWordsNumbersAndClues)
{
    const CollectionFile samples(SamplePath);
    const auto count = samples.count();
    ASSERT_TRUE(count && *count >= 10);
    TempDir dir;
    for (int n = 0; n < *count; ++n) {
        const auto record = samples.read(n);
        ASSERT_TRUE(record);
        SCOPED_TRACE(record->PuzzleName.str());
        const std::vector<ReadEntry> expected = recordEntries(*record);
        ASSERT_FALSE(expected.empty());

        const Written ipuz = exportTo(ipuzFormat(), *record, dir);
        ASSERT_TRUE(ipuz.status) << ipuz.status.error().errorText().toStdString();
        const ReadPuzzle fromIpuz = readIpuz(ipuz.bytes);
        ASSERT_EQ(fromIpuz.error, QString());
        EXPECT_EQ(describe(withoutEnumerations(fromIpuz.entries)), describe(ipuzOrder(expected)));
        EXPECT_EQ(fromIpuz.title, cp1252::toUnicode(record->PuzzleName.str()));
        EXPECT_EQ(fromIpuz.notes, cp1252::toUnicode(record->BonusQuestion.str()));

        const Written puz = exportTo(puzFormat(), *record, dir);
        ASSERT_TRUE(puz.status) << puz.status.error().errorText().toStdString();
        const ReadPuzzle fromPuz = readPuz(puz.bytes);
        ASSERT_EQ(fromPuz.error, QString());
        EXPECT_EQ(describe(fromPuz.entries), describe(puzOrder(expected)));
        EXPECT_EQ(fromPuz.title, cp1252::toUnicode(record->PuzzleName.str()));
        EXPECT_EQ(std::make_pair(fromPuz.width, fromPuz.height),
                  std::make_pair(record->widthInUse(), record->heightInUse()));
        // The same squares are open in both, and nothing outside the words.
        EXPECT_EQ(fromPuz.rows, fromIpuz.rows);
    }
}

TEST(SolvingFormats, ShapesAccentsSignsAndGridsTheFormatsCannotHold)
{
    // '#' outside the shape, '.' an open square no word covers.
    const auto numbered = [](PuzzleRecord r) {
        orderPlacedWords(r, r.WordCount);
        return r;
    };
    const struct {
        const char *name;
        PuzzleRecord record;
        std::vector<QString> rows; // the solution both formats hold, '.' for no letter
        const char *puzRefusal;    // empty: the .puz file is written
    } cases[] = {
        {"a shaped grid with an accented letter",
         numbered(builtRecord({"CAF\xC9#", "A....", "T..#."}, {{"CAF\xC9", 1, 1, true}, {"CAT", 1, 1, false}})),
         {QStringLiteral("CAF\u00C9."), QStringLiteral("A...."), QStringLiteral("T....")},
         ""},
        {"a hyphen kept in a word",
         numbered(builtRecord({"T-REX"}, {{"T-REX", 1, 1, true}})),
         {QStringLiteral("T-REX")},
         "cannot hold the character \"-\""},
        {"a word of one letter",
         numbered(builtRecord({"CAT", "..A"}, {{"CAT", 1, 1, true}, {"TA", 1, 3, false}, {"A", 2, 3, true}})),
         {QStringLiteral("CAT"), QStringLiteral("..A")},
         "the word \"A\" is not a run"},
        {"letters side by side that form no word",
         numbered(builtRecord({"CAT", "DOG"}, {{"CAT", 1, 1, true}, {"DOG", 2, 1, true}})),
         {QStringLiteral("CAT"), QStringLiteral("DOG")},
         "the squares down from row 1, column 1 are not one of its words"},
        {"two words on the same squares",
         numbered(builtRecord({"CAT"}, {{"CAT", 1, 1, true}, {"CAT", 1, 1, true}})),
         {QStringLiteral("CAT")},
         "two words lie on the same squares"},
    };
    TempDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Written ipuz = exportTo(ipuzFormat(), c.record, dir);
        ASSERT_TRUE(ipuz.status);
        const ReadPuzzle fromIpuz = readIpuz(ipuz.bytes);
        ASSERT_EQ(fromIpuz.error, QString());
        EXPECT_EQ(fromIpuz.rows, c.rows);
        EXPECT_EQ(describe(withoutEnumerations(fromIpuz.entries)), describe(ipuzOrder(recordEntries(c.record))));

        const Written puz = exportTo(puzFormat(), c.record, dir);
        if (std::string(c.puzRefusal).empty()) {
            ASSERT_TRUE(puz.status) << puz.status.error().errorText().toStdString();
            const ReadPuzzle fromPuz = readPuz(puz.bytes);
            ASSERT_EQ(fromPuz.error, QString());
            EXPECT_EQ(fromPuz.rows, c.rows);
            EXPECT_EQ(describe(fromPuz.entries), describe(puzOrder(recordEntries(c.record))));
        } else {
            ASSERT_FALSE(puz.status);
            EXPECT_TRUE(puz.status.error().errorText().contains(QString::fromUtf8(c.puzRefusal)))
                << puz.status.error().errorText().toStdString();
            EXPECT_TRUE(puz.bytes.isEmpty()) << "no file is left behind";
        }
    }
}

TEST(SolvingFormats, ShapeBlocksGivenSignsAndMultiWordAnswersInTheIpuz)
{
    PuzzleRecord r = builtRecord({"ICE-CREAM#", ".........."}, {{"ICE-CREAM", 1, 1, true}});
    r.Words[0].set("ICE- CREAM"); // the space is not in the grid; the answer has two parts
    r.BonusQuestion.set("Which flavour?");
    orderPlacedWords(r, 1);
    TempDir dir;
    const Written ipuz = exportTo(ipuzFormat(), r, dir);
    ASSERT_TRUE(ipuz.status);
    const QJsonObject json = QJsonDocument::fromJson(ipuz.bytes).object();
    const QJsonArray first = json.value("puzzle").toArray()[0].toArray();
    EXPECT_EQ(first[0], QJsonValue(1));
    EXPECT_EQ(first[3], QJsonValue(QJsonObject{{"cell", 0}, {"value", "-"}})) << "a sign is given, not typed";
    EXPECT_TRUE(first[9].isNull()) << "outside the shape";
    EXPECT_EQ(json.value("puzzle").toArray()[1].toArray()[0], QJsonValue("#")) << "in the shape, in no word";
    EXPECT_EQ(readIpuz(ipuz.bytes).entries.at(0).enumeration, QStringLiteral("4,5"));
    EXPECT_EQ(json.value("notes").toString(), QStringLiteral("Which flavour?"));

    PuzzleRecord unbuilt = r;
    unbuilt.WordPlaced.fill(0);
    for (const ExportFormat *format : {&ipuzFormat(), &puzFormat()}) {
        const Written none = exportTo(*format, unbuilt, dir);
        ASSERT_FALSE(none.status);
        EXPECT_TRUE(none.status.error().errorText().endsWith(QStringLiteral("no placed word to solve")));
    }
}

// The program translates the solvable page's script texts from its own list of them: a text the
// script gained, lost or reworded without the list would stay English, or be looked up under an
// English text no translation has.
TEST(SolvingFormats, TheProgramKnowsEveryTextOfTheSolvablePageScript)
{
    const QString script = QString::fromUtf8(solvablePageScript());
    const qsizetype begin = script.indexOf(QLatin1String("var TEXT = {"));
    ASSERT_GE(begin, 0);
    const QString object = script.mid(begin, script.indexOf(QLatin1String("};"), begin) - begin);
    static const QRegularExpression entry(QStringLiteral("^\\s*(\\w+): '([^']*)',?$"),
                                          QRegularExpression::MultilineOption);
    QStringList inScript;
    for (auto it = entry.globalMatch(object); it.hasNext();) {
        const auto m = it.next();
        inScript << m.captured(1) + QStringLiteral(": ") + m.captured(2);
    }
    QStringList known;
    for (const SolvablePageText &t : solvablePageTexts())
        known << QString::fromLatin1(t.key) + QStringLiteral(": ") + QString::fromUtf8(t.english);
    EXPECT_EQ(inScript, known);
}
