#include "cli/commands.h"

#include "cli/build_command.h"
#include "cli/json_records.h"
#include "cli/render_command.h"
#include "common/cp1252.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "layout/layout_library.h"
#include "shapes/shape_library.h"
#include "store/collection_file.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <map>
#include <optional>

namespace qx::cli {

namespace {

Result fail(const QString &message)
{
    return Result{1, {}, message};
}

Result printJson(const QJsonObject &object)
{
    return Result{0, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)), {}};
}

// A whole, non-negative record number; anything else is refused.
std::optional<int> recordNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || text.trimmed() != text)
        return std::nullopt;
    return n;
}

struct Arguments {
    QStringList positional;
    bool json = false;
    QString unknown;
};

Arguments parse(const QStringList &args)
{
    Arguments out;
    for (const QString &a : args) {
        if (a == QLatin1String("--json"))
            out.json = true;
        else if (a.startsWith(QLatin1String("--")) && out.unknown.isEmpty())
            out.unknown = a;
        else
            out.positional << a;
    }
    return out;
}

QString u(const std::string &bytes)
{
    return cp1252::toUnicode(bytes);
}

Result list(const Arguments &a)
{
    if (a.positional.size() != 1)
        return fail(QStringLiteral("list needs one collection file"));
    const CollectionFile file(a.positional[0]);
    if (!QFileInfo(file.path()).isFile() || !file.count())
        return fail(QStringLiteral("cannot open collection %1").arg(file.path()));
    const auto index = file.reload();
    if (a.json) {
        QJsonArray categories;
        for (const auto &c : index.CategoryList)
            categories.append(u(c));
        QJsonArray puzzles;
        for (const auto &p : index.PuzzleIndexList)
            puzzles.append(QJsonObject{{"record", p.record}, {"category", p.category}, {"name", u(p.name)}});
        return printJson(QJsonObject{{"categories", categories}, {"puzzles", puzzles}});
    }
    QString out;
    for (size_t c = 0; c < index.CategoryList.size(); ++c) {
        out += QStringLiteral("%1\n").arg(u(index.CategoryList[c]));
        for (const auto &p : index.PuzzleIndexList) {
            if (p.category == static_cast<int>(c))
                out += QStringLiteral("  %1  %2\n").arg(p.record, 5).arg(u(p.name));
        }
    }
    return Result{0, out, {}};
}

Result dump(const Arguments &a)
{
    if (a.positional.size() != 2)
        return fail(QStringLiteral("dump needs a collection file and a record number"));
    const CollectionFile file(a.positional[0]);
    const auto n = recordNumber(a.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(a.positional[1]));
    const auto count = file.count();
    if (!QFileInfo(file.path()).isFile() || !count)
        return fail(QStringLiteral("cannot open collection %1").arg(file.path()));
    if (*n >= *count)
        return fail(
            QStringLiteral("record %1 is not in %2, which holds %3 puzzles").arg(*n).arg(file.path()).arg(*count));
    const auto record = file.read(*n);
    if (!record)
        return fail(QStringLiteral("cannot open collection %1").arg(file.path()));
    return printJson(puzzleRecordJson(*record));
}

QJsonObject shapeJson(const ShapeRecord &shape)
{
    QJsonArray cells;
    for (const auto c : shape.ShapeCells)
        cells.append(c);
    return QJsonObject{{"ShapeName", cp1252::toUnicode(shape.ShapeName.str())},
                       {"ShapeWidth", shape.ShapeWidth},
                       {"ShapeHeight", shape.ShapeHeight},
                       {"ShapeCells", cells}};
}

// The library named on the command line, or the program directory's.
QString libraryPath(const Arguments &a, const char *fileName)
{
    if (!a.positional.isEmpty())
        return a.positional[0];
    return resolveProgramDir(std::nullopt) + QLatin1Char('/') + QString::fromLatin1(fileName);
}

// Lists a library in record order; every record is read once.
template <typename Library, typename Record>
Result listLibrary(const Arguments &a, const Library &library, const char *what,
                   const std::function<std::string(const Record &)> &entryText,
                   const std::function<QJsonObject(const Record &)> &fields)
{
    if (a.positional.size() > 1)
        return fail(QStringLiteral("%1 takes at most one library file").arg(QLatin1String(what)));
    if (!QFileInfo(library.path()).isFile())
        return fail(QStringLiteral("cannot open %1 library %2").arg(QLatin1String(what), library.path()));
    QJsonArray records;
    QString out;
    const int count = library.count();
    for (int n = 0; n < count; ++n) {
        const auto record = library.read(n);
        if (!record)
            return fail(QStringLiteral("cannot open %1 library %2").arg(QLatin1String(what), library.path()));
        const QString entry = cp1252::toUnicode(entryText(*record));
        records.append(QJsonObject{{"record", n}, {"entry", entry}, {"fields", fields(*record)}});
        out += QStringLiteral("%1  %2\n").arg(n, 5).arg(entry);
    }
    if (a.json)
        return Result{0, QString::fromUtf8(QJsonDocument(records).toJson(QJsonDocument::Indented)), {}};
    return Result{0, out, {}};
}

Result shapes(const Arguments &a)
{
    const ShapeLibrary library(libraryPath(a, ShapeLibrary::FileName));
    return listLibrary<ShapeLibrary, ShapeRecord>(a, library, "shape", shapeEntryText, shapeJson);
}

Result layouts(const Arguments &a)
{
    const LayoutLibrary library(libraryPath(a, LayoutLibrary::FileName));
    return listLibrary<LayoutLibrary, PageLayout>(
        a, library, "layout", [](const PageLayout &l) { return layoutEntryText(l, false); }, pageLayoutJson);
}

} // namespace

QString usage()
{
    return QStringLiteral(
        "usage: quorvex-cli COMMAND ...\n"
        "  list COLLECTION [--json]          categories and puzzles with their record numbers\n"
        "  dump COLLECTION N --json          every field of puzzle record N\n"
        "  shapes [LIBRARY] [--json]         the shape library (default: the program directory's)\n"
        "  layouts [LIBRARY] [--json]        the page layout library\n"
        "  build WORDS.txt --shape N --into COLLECTION --title T --category C\n"
        "        [--library FILE] [--attempts N] [--shrink] [--quick] [--seed S] [--sep C]\n"
        "        [--layouts FILE | --builtin-layout]\n"
        "                                    builds a puzzle from a word list (one WORD:clue a line)\n"
        "                                    and appends the best candidate to the collection\n"
        "  render COLLECTION N --out FILE [--width PX] [--answer-key] [--letters ABC] [--skeleton]\n"
        "        [--parts title,body,clues,words,bonus]\n"
        "                                    draws puzzle N as its printed page: a PDF at the\n"
        "                                    paper's size or a PNG picture PX pixels wide (640)\n");
}

Result run(const QStringList &args)
{
    if (args.isEmpty())
        return fail(QStringLiteral("no command given; try --help"));
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))
        return Result{0, usage(), {}};
    const std::map<QString, std::function<Result(const Arguments &)>> commands = {
        {QStringLiteral("list"), list},
        {QStringLiteral("dump"), dump},
        {QStringLiteral("shapes"), shapes},
        {QStringLiteral("layouts"), layouts},
    };
    if (args[0] == QLatin1String("build")) {
        try {
            return buildCommand(args.mid(1));
        } catch (const IoError &e) {
            return fail(e.message());
        }
    }
    if (args[0] == QLatin1String("render")) {
        try {
            return renderCommand(args.mid(1));
        } catch (const IoError &e) {
            return fail(e.message());
        }
    }
    const auto it = commands.find(args[0]);
    if (it == commands.end())
        return fail(QStringLiteral("unknown command %1; try --help").arg(args[0]));
    const Arguments parsed = parse(args.mid(1));
    if (!parsed.unknown.isEmpty())
        return fail(QStringLiteral("unknown option %1").arg(parsed.unknown));
    try {
        return it->second(parsed);
    } catch (const IoError &e) {
        return fail(e.message());
    }
}

} // namespace qx::cli
