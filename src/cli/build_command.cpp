#include "cli/build_command.h"

#include "builder/grid_builder.h"
#include "builder/grid_stats.h"
#include "cli/options.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "common/storable_text.h"
#include "layout/layout_defaults.h"
#include "layout/layout_library.h"
#include "shapes/shape_library.h"
#include "store/collection_file.h"
#include "words/word_list_text.h"

#include <cerrno>

#include <sys/stat.h>

namespace qx::cli {

namespace {

constexpr int DefaultAttempts = 100;

// A text typed on the command line or in the word file, as the record stores it.
std::optional<std::string> toRecordText(const QString &text, const QString &what, QString &error)
{
    if (const auto refused = firstUnstorable(text)) {
        if (isControlCharacter(*refused)) {
            error = QStringLiteral("%1 holds the control character %2, which a puzzle cannot store")
                        .arg(what, codePointName(*refused));
        } else {
            error = QStringLiteral("%1 holds \"%2\" (%3), which a puzzle cannot store (Windows-1252 only)")
                        .arg(what, QString::fromUcs4(&*refused, 1), codePointName(*refused));
        }
        return std::nullopt;
    }
    return cp1252::fromUnicode(text);
}

// Whole records of a library file that must hold nothing else; a FIFO, a device or a file whose
// size is not a whole number of records is refused, as a damaged file or one of another kind.
FileOutcome<int> wholeRecords(const QString &path, int recordSize)
{
    if (const FileStatus status = checkRegularFile(path); !status)
        return status.error();
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) != 0)
        return FileError{FileError::Kind::CannotOpen, path, systemErrorText(errno)};
    if (st.st_size % recordSize != 0)
        return FileError{FileError::Kind::NotRecordFile, path,
                         QStringLiteral("not a whole number of records: damaged, or another kind of file")};
    return static_cast<int>(st.st_size / recordSize);
}

// The steps of one build, in order; each returns the one line to print when it fails.
class BuildSteps {
public:
    explicit BuildSteps(const Options &o) : m_o(o) {}

    Result run();

private:
    QString readArguments();
    QString readTexts();
    QString readWords();
    QString readShape();
    QString readLayout();
    QString saveBest(const CandidateSlot &best);
    QStringList report(const CandidateSlot &best) const;

    const Options &m_o;
    QString m_wordsFile;
    int m_shapeNumber = 0;
    bool m_smallestSquare = false; // --shape auto
    uint64_t m_seed = 0;
    int m_threads = 0; // one per usable CPU
    double m_effort = 1.0;
    QChar m_sep;
    TypedPuzzle m_typed;
    ShapeRecord m_shape;
    std::unique_ptr<PuzzleRecord> m_record = std::make_unique<PuzzleRecord>();
    int m_total = 0;
    int m_savedAs = 0;
    QString m_collection;
};

Result BuildSteps::run()
{
    for (QString (BuildSteps::*step)() : {&BuildSteps::readArguments, &BuildSteps::readTexts, &BuildSteps::readWords,
                                          &BuildSteps::readShape, &BuildSteps::readLayout}) {
        if (const QString error = (this->*step)(); !error.isEmpty())
            return fail(error);
    }

    // The editor's checks, with its texts; the large-shape warning goes out first either way.
    const CreateCheck check = checkCreate(
        m_typed, m_o.value(QStringLiteral("--attempts"), QString::number(DefaultAttempts)), m_shape, *m_record);
    Result out;
    if (check.largeDimensions)
        out.lines << QStringLiteral("Warning: %1").arg(largeDimensionsWarning());
    if (!check.ok()) {
        out.status = 1;
        out.error = createCheckText(check);
        return out;
    }

    m_total = m_record->WordCount;
    BuildOptions options;
    options.attempts = check.attempts;
    options.shrink = m_o.flag(QStringLiteral("--shrink"));
    options.quickBuild = m_o.flag(QStringLiteral("--quick"));
    // --best-fit is the thorough mode's earlier name.
    options.thorough = m_o.flag(QStringLiteral("--thorough")) || m_o.flag(QStringLiteral("--best-fit"));
    options.effort = m_effort;
    options.seed = m_seed;
    options.threads = m_threads;
    CandidateSlots candidates;
    if (m_smallestSquare) {
        const SquareOutcome square = BuildSmallestSquare(*m_record, options, candidates, m_shape);
        if (square.side == 0) {
            out.status = 1;
            out.error = QStringLiteral("no square up to 49x49 holds the longest word");
            return out;
        }
        out.lines
            << (square.everyWordPlaced
                    ? QStringLiteral("Smallest square: %1x%1, every word placed.").arg(square.side)
                    : QStringLiteral("No square up to 49x49 holds every word: %1x%1 holds the most.").arg(square.side))
            << squaresTriedText(square, m_total);
    } else {
        Build(*m_record, m_shape, options, candidates);
    }

    if (const QString error = saveBest(candidates[0]); !error.isEmpty()) {
        out.status = 1;
        out.error = error;
        return out;
    }
    out.lines << report(candidates[0]);
    return out;
}

QString BuildSteps::readArguments()
{
    if (m_o.positional.size() != 1)
        return QStringLiteral("build needs one word list file");
    m_wordsFile = m_o.positional[0];
    for (const char *required : {"--shape", "--into"}) {
        if (!m_o.has(QLatin1String(required)))
            return QStringLiteral("build needs %1").arg(QLatin1String(required));
    }
    m_smallestSquare = m_o.value(QStringLiteral("--shape")) == QLatin1String("auto");
    const auto shape = recordNumber(m_o.value(QStringLiteral("--shape")));
    if (!shape && !m_smallestSquare)
        return QStringLiteral("--shape needs a record number, or auto for the smallest square");
    m_shapeNumber = shape.value_or(0);
    m_seed = seedFromClock();
    if (m_o.has(QStringLiteral("--seed"))) {
        bool ok = false;
        m_seed = m_o.value(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok)
            return QStringLiteral("--seed needs a whole number");
    }
    const QString sep = m_o.value(QStringLiteral("--sep"), QStringLiteral(":"));
    if (sep.size() != 1)
        return QStringLiteral("--sep needs one character");
    m_sep = sep[0];
    m_collection = m_o.value(QStringLiteral("--into"));
    if (m_o.has(QStringLiteral("--threads"))) {
        bool ok = false;
        m_threads = m_o.value(QStringLiteral("--threads")).toInt(&ok);
        if (!ok || m_threads < 1 || m_threads > 256)
            return QStringLiteral("--threads needs a whole number from 1 to 256");
    }
    if (m_o.has(QStringLiteral("--effort"))) {
        bool ok = false;
        m_effort = m_o.value(QStringLiteral("--effort")).toDouble(&ok);
        if (!ok || !(m_effort >= 0.1 && m_effort <= 600))
            return QStringLiteral("--effort needs a number of seconds from 0.1 to 600");
        if (!m_smallestSquare && !m_o.flag(QStringLiteral("--thorough")) && !m_o.flag(QStringLiteral("--best-fit")))
            return QStringLiteral("--effort applies only to --thorough and --shape auto");
    }
    return {};
}

QString BuildSteps::readTexts()
{
    QString error;
    const auto title = toRecordText(m_o.value(QStringLiteral("--title")), QStringLiteral("the title"), error);
    const auto category = toRecordText(m_o.value(QStringLiteral("--category")), QStringLiteral("the category"), error);
    if (!title || !category)
        return error;
    if (title->size() > 35 || category->size() > 20)
        return QStringLiteral("the title holds at most 35 characters and the category at most 20");
    m_typed.title = *title;
    m_typed.category = *category;
    return {};
}

QString BuildSteps::readWords()
{
    const auto text = readRegularFile(m_wordsFile, MaxWordListBytes);
    if (!text)
        return QStringLiteral("cannot read word list %1").arg(text.error().errorText());
    return readWordList(*text, m_sep, m_wordsFile, m_typed.rows);
}

QString BuildSteps::readShape()
{
    // The smallest square is found by the build; the editor's checks see the largest square a
    // word can need.
    if (m_smallestSquare) {
        m_shape = smallestSquarePlaceholder();
        return {};
    }
    const ShapeLibrary shapes(
        m_o.value(QStringLiteral("--library"), ShapeLibrary::inProgramDir(programDir(m_o)).path()));
    if (const FileStatus status = checkRegularFile(shapes.path()); !status)
        return QStringLiteral("cannot open shape library %1").arg(status.error().errorText());
    const auto count = shapes.count();
    if (!count)
        return QStringLiteral("cannot open shape library %1").arg(count.error().errorText());
    if (m_shapeNumber >= *count)
        return QStringLiteral("shape %1 is not in %2").arg(m_shapeNumber).arg(shapes.path());
    const auto shape = shapes.read(m_shapeNumber);
    if (!shape)
        return QStringLiteral("cannot read %1").arg(shape.error().errorText());
    m_shape = *shape;
    return {};
}

QString BuildSteps::readLayout()
{
    if (m_o.flag(QStringLiteral("--builtin-layout"))) {
        m_record->resetForNewPuzzle(builtInDefaultLayout());
        return {};
    }
    // A library named on the command line must give a layout; the program directory's may be
    // missing or empty, and then the built-in layout serves, as in the windowed program.
    const bool named = m_o.has(QStringLiteral("--layouts"));
    const LayoutLibrary library(named ? m_o.value(QStringLiteral("--layouts"))
                                      : LayoutLibrary::inProgramDir(programDir(m_o)).path());
    const bool missing = isMissing(library.path());
    const auto records = wholeRecords(library.path(), PageLayout::Size);
    if (!named && (missing || (records && *records == 0))) {
        m_record->resetForNewPuzzle(builtInDefaultLayout());
        return {};
    }
    if (!records)
        return QStringLiteral("cannot read layout library %1").arg(records.error().errorText());
    if (*records == 0)
        return QStringLiteral("cannot read layout library %1: it holds no page layout").arg(library.path());
    const auto layout = library.read(0);
    if (!layout)
        return QStringLiteral("cannot read layout library %1").arg(layout.error().errorText());
    m_record->resetForNewPuzzle(*layout);
    return {};
}

QString BuildSteps::saveBest(const CandidateSlot &best)
{
    *m_record = *best.record;
    m_record->stampSaved(best.placed);
    const CollectionFile collection(m_collection);
    const auto number = collection.append(*m_record);
    if (!number)
        return QStringLiteral("Unable to save puzzle. (%1)").arg(number.error().errorText());
    m_savedAs = *number;
    return {};
}

QStringList BuildSteps::report(const CandidateSlot &best) const
{
    const GridStats stats = gridStats(*m_record);
    QStringList out{QStringLiteral("Placed %1/%2 words, %3 crossings per word, %4% fill, as record %5 of %6 (seed %7).")
                        .arg(best.score)
                        .arg(m_total)
                        .arg(stats.crossingsPerWord(), 0, 'f', 1)
                        .arg(stats.fillPercent())
                        .arg(m_savedAs)
                        .arg(m_collection)
                        .arg(m_seed)};
    for (int k = best.score; k < m_total; ++k) {
        const QString word = cp1252::toUnicode(m_record->Words[k].str());
        const QString why = leftOutText(best.leftOut[static_cast<size_t>(k)], *m_record);
        out << (why.isEmpty() ? QStringLiteral("Left out %1.").arg(word)
                              : QStringLiteral("Left out %1: %2").arg(word, why));
    }
    return out;
}

} // namespace

AcceptedOptions buildOptions()
{
    return {{"--shape", "--library", "--attempts", "--seed", "--threads", "--sep", "--title", "--category", "--into",
             "--layouts", "--effort"},
            {"--shrink", "--quick", "--thorough", "--best-fit", "--builtin-layout"}};
}

Result buildCommand(const Options &options)
{
    return BuildSteps(options).run();
}

QString readWordList(QByteArrayView text, QChar sep, const QString &fileName, std::vector<WordRow> &rows)
{
    QString error;
    for (const WordListLine &line : wordListLines(text)) {
        if (line.text.startsWith(QLatin1Char('#')))
            continue;
        const auto [word, clue] = splitPair(line.text, sep);
        const QString where = QStringLiteral("line %1 of %2").arg(line.number).arg(fileName);
        const auto wordBytes = toRecordText(word, where, error);
        if (!wordBytes)
            return error;
        const auto clueBytes = toRecordText(clue, where, error);
        if (!clueBytes)
            return error;
        if (wordBytes->size() > 30)
            return QStringLiteral("%1: the word holds more than 30 characters").arg(where);
        if (rows.size() == MaxWords)
            return QStringLiteral("%1: a puzzle holds at most 200 words").arg(where);
        rows.push_back({*wordBytes, *clueBytes});
    }
    return {};
}

} // namespace qx::cli
