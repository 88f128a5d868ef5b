#include "cli/build_command.h"

#include "builder/grid_builder.h"
#include "cli/options.h"
#include "common/cp1252.h"
#include "common/paths.h"
#include "layout/layout_defaults.h"
#include "layout/layout_library.h"
#include "shapes/shape_library.h"
#include "store/collection_file.h"
#include "words/create_checks.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace qx::cli {

namespace {

// A text typed on the command line or in the word file, as the record stores it.
std::optional<std::string> toRecordText(const QString &text, const QString &what, QString &error)
{
    auto bytes = cp1252::fromUnicode(text);
    if (!bytes)
        error = QStringLiteral("%1 holds %2, which a puzzle cannot store (Windows-1252 only)")
                    .arg(what, cp1252::firstUnencodable(text));
    return bytes;
}

} // namespace

QString readWordList(QByteArrayView text, QChar sep, const QString &fileName, std::vector<WordRow> &rows)
{
    QString error;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        ++lineNumber;
        const QString line = QString::fromUtf8(text.sliced(start, end - start)).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype at = line.indexOf(sep);
        const QString word = (at < 0 ? line : line.left(at)).trimmed();
        const QString clue = at < 0 ? QString() : line.mid(at + 1).trimmed();
        const QString where = QStringLiteral("line %1 of %2").arg(lineNumber).arg(fileName);
        const auto wordBytes = toRecordText(word, where, error);
        const auto clueBytes = toRecordText(clue, where, error);
        if (!wordBytes || !clueBytes)
            return error;
        if (wordBytes->size() > 30)
            return QStringLiteral("%1: the word holds more than 30 characters").arg(where);
        if (rows.size() == MaxWords)
            return QStringLiteral("%1: a puzzle holds at most 200 words").arg(where);
        rows.push_back({*wordBytes, *clueBytes});
    }
    return {};
}

Result buildCommand(const QStringList &args)
{
    const Options o = parseOptions(
        args, {"--shape", "--library", "--attempts", "--seed", "--sep", "--title", "--category", "--into", "--layouts"},
        {"--shrink", "--quick", "--builtin-layout"});
    if (!o.error.isEmpty())
        return fail(o.error);
    if (o.positional.size() != 1)
        return fail(QStringLiteral("build needs one word list file"));
    const QString wordsFile = o.positional[0];
    for (const char *required : {"--shape", "--into"}) {
        if (!o.values.contains(QLatin1String(required)))
            return fail(QStringLiteral("build needs %1").arg(QLatin1String(required)));
    }
    bool ok = false;
    const int shapeNumber = o.values.value(QStringLiteral("--shape")).toInt(&ok);
    if (!ok || shapeNumber < 0)
        return fail(QStringLiteral("--shape needs a record number"));
    uint64_t seed = seedFromClock();
    if (o.values.contains(QStringLiteral("--seed"))) {
        seed = o.values.value(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed needs a whole number"));
    }
    const QString sep = o.values.value(QStringLiteral("--sep"), QStringLiteral(":"));
    if (sep.size() != 1)
        return fail(QStringLiteral("--sep needs one character"));

    QString error;
    TypedPuzzle typed;
    const auto title = toRecordText(o.values.value(QStringLiteral("--title")), QStringLiteral("the title"), error);
    const auto category =
        toRecordText(o.values.value(QStringLiteral("--category")), QStringLiteral("the category"), error);
    if (!title || !category)
        return fail(error);
    if (title->size() > 35 || category->size() > 20)
        return fail(QStringLiteral("the title holds at most 35 characters and the category at most 20"));
    typed.title = *title;
    typed.category = *category;

    QFile words(wordsFile);
    if (!words.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read word list %1").arg(wordsFile));
    error = readWordList(words.readAll(), sep[0], wordsFile, typed.rows);
    if (!error.isEmpty())
        return fail(error);

    const ShapeLibrary shapes(o.values.value(QStringLiteral("--library"),
                                             ShapeLibrary::inProgramDir(resolveProgramDir(std::nullopt)).path()));
    if (shapeNumber >= shapes.count())
        return fail(QStringLiteral("shape %1 is not in %2").arg(shapeNumber).arg(shapes.path()));
    const auto shape = shapes.read(shapeNumber);
    if (!shape)
        return fail(QStringLiteral("cannot read %1").arg(shapes.path()));

    auto record = std::make_unique<PuzzleRecord>();
    if (o.flags.contains(QStringLiteral("--builtin-layout"))) {
        record->resetForNewPuzzle(builtInDefaultLayout());
    } else {
        const QString layouts = o.values.value(QStringLiteral("--layouts"),
                                               LayoutLibrary::inProgramDir(resolveProgramDir(std::nullopt)).path());
        record->resetForNewPuzzle(layoutForNewPuzzle(layouts, 0));
    }
    const CreateCheck check =
        checkCreate(typed, o.values.value(QStringLiteral("--attempts"), QStringLiteral("1")), *shape, *record);
    QString out;
    if (check.largeDimensions)
        out += QStringLiteral("Warning: %1\n").arg(largeDimensionsWarning());
    if (!check.ok)
        return Result{1, out, check.message};

    const int total = record->WordCount;
    BuildOptions options;
    options.attempts = check.attempts;
    options.shrink = o.flags.contains(QStringLiteral("--shrink"));
    options.quickBuild = o.flags.contains(QStringLiteral("--quick"));
    options.seed = seed;
    CandidateSlots candidates;
    Build(*record, *shape, options, candidates);

    const CandidateSlot &best = candidates[0];
    *record = *best.record;
    record->stampSaved(best.placed);
    const CollectionFile collection(o.values.value(QStringLiteral("--into")));
    const auto number = collection.append(*record);
    if (!number)
        return fail(QStringLiteral("Unable to save puzzle. (%1)").arg(collection.path()));

    QStringList leftOut;
    for (int k = best.score; k < total; ++k)
        leftOut << cp1252::toUnicode(record->Words[k].str());
    out += QStringLiteral("Placed %1 of %2 words as record %3 of %4 (seed %5).\n")
               .arg(best.score)
               .arg(total)
               .arg(*number)
               .arg(collection.path())
               .arg(seed);
    if (!leftOut.isEmpty())
        out += QStringLiteral("Left out: %1\n").arg(leftOut.join(QStringLiteral(", ")));
    return Result{0, out, {}};
}

} // namespace qx::cli
