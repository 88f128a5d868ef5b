#include "cli/commands.h"

#include "cli/build_command.h"
#include "cli/edit_commands.h"
#include "cli/json_records.h"
#include "cli/layout_commands.h"
#include "cli/lexicon_commands.h"
#include "cli/options.h"
#include "cli/printable.h"
#include "cli/render_command.h"
#include "cli/words_command.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "common/paths.h"
#include "layout/layout_library.h"
#include "shapes/shape_library.h"
#include "store/collection_file.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <functional>

#include <sys/stat.h>

namespace qx::cli {

namespace {

// The product's name as --version prints it, beside the version the build gives.
constexpr char ProductName[] = "Quorvex";

Result printJson(const QJsonDocument &document)
{
    Result r;
    r.out = QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    r.format = Result::Output::Json;
    return r;
}

QString u(const std::string &bytes)
{
    return cp1252::toUnicode(bytes);
}

// A collection is read as it is, partial last record or not; only what is not a file is refused.
std::optional<Result> cannotOpenCollection(const CollectionFile &file)
{
    if (const FileStatus status = checkRegularFile(file.path()); !status)
        return fail(QStringLiteral("cannot open collection %1").arg(status.error().errorText()));
    if (const auto count = file.count(); !count)
        return fail(QStringLiteral("cannot open collection %1").arg(count.error().errorText()));
    return std::nullopt;
}

Result list(const Options &o)
{
    if (o.positional.size() != 1)
        return fail(QStringLiteral("list needs one collection file"));
    const CollectionFile file(o.positional[0]);
    if (auto failed = cannotOpenCollection(file))
        return *failed;
    const auto read = file.reload();
    if (!read)
        return fail(QStringLiteral("cannot open collection %1").arg(read.error().errorText()));
    const CollectionIndex &index = *read;
    if (o.flag(QStringLiteral("--json"))) {
        QJsonArray categories;
        for (const auto &c : index.CategoryList)
            categories.append(u(c));
        QJsonArray puzzles;
        for (const auto &p : index.PuzzleIndexList)
            puzzles.append(QJsonObject{{"record", p.record}, {"category", p.category}, {"name", u(p.name)}});
        return printJson(QJsonDocument(QJsonObject{{"categories", categories}, {"puzzles", puzzles}}));
    }
    Result out;
    for (size_t c = 0; c < index.CategoryList.size(); ++c) {
        out.lines << u(index.CategoryList[c]);
        for (const auto &p : index.PuzzleIndexList) {
            if (p.category == static_cast<int>(c))
                out.lines << QStringLiteral("  %1  %2").arg(p.record, 5).arg(u(p.name));
        }
    }
    return out;
}

} // namespace

PuzzleRead readPuzzle(const QString &path, int n)
{
    const CollectionFile file(path);
    if (const FileStatus status = checkRegularFile(file.path()); !status)
        return {std::nullopt, fail(QStringLiteral("cannot open collection %1").arg(status.error().errorText()))};
    const auto count = file.count();
    if (!count)
        return {std::nullopt, fail(QStringLiteral("cannot open collection %1").arg(count.error().errorText()))};
    if (n >= *count)
        return {
            std::nullopt,
            fail(QStringLiteral("record %1 is not in %2, which holds %3 puzzles").arg(n).arg(file.path()).arg(*count))};
    auto record = file.read(n);
    if (!record)
        return {std::nullopt, fail(QStringLiteral("cannot open collection %1").arg(record.error().errorText()))};
    return {std::move(*record), Result{}};
}

namespace {

Result dump(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("dump needs a collection file and a record number"));
    const CollectionFile file(o.positional[0]);
    const auto n = recordNumber(o.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    if (auto failed = cannotOpenCollection(file))
        return *failed;
    const int count = *file.count();
    if (*n >= count)
        return fail(
            QStringLiteral("record %1 is not in %2, which holds %3 puzzles").arg(*n).arg(file.path()).arg(count));
    const auto record = file.read(*n);
    if (!record)
        return fail(QStringLiteral("cannot open collection %1").arg(record.error().errorText()));
    return printJson(QJsonDocument(puzzleRecordJson(*record)));
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
QString libraryPath(const Options &o, const char *fileName)
{
    if (!o.positional.isEmpty())
        return o.positional[0];
    return programDir(o) + QLatin1Char('/') + QString::fromLatin1(fileName);
}

// Lists a library in record order; every record is read once.
template <typename Library, typename Record>
Result listLibrary(const Options &o, const char *what, const char *fileName,
                   const std::function<std::string(const Record &)> &entryText,
                   const std::function<QJsonObject(const Record &)> &fields)
{
    if (o.positional.size() > 1)
        return fail(QStringLiteral("%1 takes at most one library file").arg(QLatin1String(what)));
    const Library library(libraryPath(o, fileName));
    const bool fromProgramDir = o.positional.isEmpty();
    if (const FileStatus status = checkRegularFile(library.path()); !status) {
        // The program directory's library may not exist yet: like the windows, list it as empty.
        // A file named on the command line must be there.
        if (fromProgramDir && isMissing(library.path()))
            return Result{};
        return fail(QStringLiteral("cannot open %1 library %2").arg(QLatin1String(what), status.error().errorText()));
    }
    QJsonArray records;
    Result out;
    const auto count = library.count();
    if (!count)
        return fail(QStringLiteral("cannot open %1 library %2").arg(QLatin1String(what), count.error().errorText()));
    for (int n = 0; n < *count; ++n) {
        const auto record = library.read(n);
        if (!record)
            return fail(
                QStringLiteral("cannot open %1 library %2").arg(QLatin1String(what), record.error().errorText()));
        const QString entry = cp1252::toUnicode(entryText(*record));
        records.append(QJsonObject{{"record", n}, {"entry", entry}, {"fields", fields(*record)}});
        out.lines << QStringLiteral("%1  %2").arg(n, 5).arg(entry);
    }
    if (o.flag(QStringLiteral("--json")))
        return printJson(QJsonDocument(records));
    return out;
}

Result shapes(const Options &o)
{
    return listLibrary<ShapeLibrary, ShapeRecord>(o, "shape", ShapeLibrary::FileName, shapeEntryText, shapeJson);
}

Result layouts(const Options &o)
{
    return listLibrary<LayoutLibrary, PageLayout>(
        o, "layout", LayoutLibrary::FileName, [](const PageLayout &l) { return layoutEntryText(l, false); },
        pageLayoutJson);
}

const std::vector<Command> &commands()
{
    static const AcceptedOptions json{{}, {QStringLiteral("--json")}};
    static const std::vector<Command> table = {
        {"list", json, list},
        {"dump", json, dump},
        {"shapes", json, shapes},
        {"layouts", json, layouts},
        {"build", buildOptions(), buildCommand},
        {"render", renderOptions(), renderCommand},
        {"delete", {}, deleteCommand},
        {"replace", {{QStringLiteral("--from")}, {}}, replaceCommand},
        {"add-word", addWordOptions(), addWordCommand},
        {"layout-export", {}, layoutExportCommand},
        {"layout-import", {}, layoutImportCommand},
        {"words", wordsOptions(), wordsCommand},
        {"spell", spellOptions(), spellCommand},
        {"thesaurus", thesaurusOptions(), thesaurusCommand},
    };
    return table;
}

Result helpResult()
{
    Result r;
    r.out = usage();
    r.format = Result::Output::Own;
    return r;
}

Result runCommand(QStringList args, const std::vector<Command> &more)
{
    // Options before the command name hold for the command: "quorvex-cli --program-dir DIR shapes".
    QStringList leading;
    while (!args.isEmpty() && args[0] == QLatin1String("--program-dir")) {
        if (args.size() < 2)
            return fail(QStringLiteral("--program-dir needs a value"));
        leading << args.takeFirst();
        leading << args.takeFirst();
    }
    if (args.isEmpty())
        return fail(QStringLiteral("no command given; try --help"));
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))
        return helpResult();
    if (args[0] == QLatin1String("--version")) {
        Result r;
        r.out = QStringLiteral("%1 %2\n").arg(QLatin1String(ProductName), QLatin1String(QUORVEX_VERSION));
        r.format = Result::Output::Own;
        return r;
    }
    const QString name = args.takeFirst();
    std::vector<Command> table = commands();
    table.insert(table.end(), more.begin(), more.end());
    for (const Command &command : table) {
        if (name != QLatin1String(command.name))
            continue;
        const Options options = parseOptions(leading + args, command.options);
        if (!options.error.isEmpty())
            return fail(options.error);
        if (options.flag(QStringLiteral("--help")))
            return helpResult();
        return command.run(options);
    }
    if (name.startsWith(QLatin1String("--")))
        return fail(QStringLiteral("unknown option %1; try --help").arg(name));
    return fail(QStringLiteral("unknown command %1; try --help").arg(name));
}

} // namespace

bool isMissing(const QString &path)
{
    struct stat st {};
    return ::stat(nativePath(path).constData(), &st) != 0 && errno == ENOENT;
}

QString programDir(const Options &options)
{
    std::optional<QString> fromCommandLine;
    if (options.has(QStringLiteral("--program-dir")))
        fromCommandLine = options.value(QStringLiteral("--program-dir"));
    const QString dir = resolveProgramDir(fromCommandLine);
    // The shipped data lies beside the executable, as for the windowed program. What cannot be
    // seeded shows when the file is read: that error names it.
    if (QCoreApplication::instance())
        (void)seedProgramDir(findShippedDataDir(QCoreApplication::applicationDirPath()), dir);
    return dir;
}

QString usage()
{
    return QStringLiteral(
        "usage: quorvex-cli [--program-dir DIR] COMMAND ...\n"
        "       quorvex-cli --version | --help\n"
        "  list COLLECTION [--json]          categories and puzzles with their record numbers\n"
        "  dump COLLECTION N --json          every field of puzzle record N\n"
        "  shapes [LIBRARY] [--json]         the shape library (default: the program directory's)\n"
        "  layouts [LIBRARY] [--json]        the page layout library (default: the program directory's)\n"
        "  build WORDS.txt --shape N|auto --into COLLECTION --title T --category C\n"
        "        [--library FILE] [--attempts N] [--shrink] [--quick] [--thorough [--effort S]]\n"
        "        [--seed S] [--sep C] [--threads N]\n"
        "        [--layouts FILE | --builtin-layout]\n"
        "                                    builds a puzzle from a word list (one WORD:clue a line,\n"
        "                                    UTF-8 or Windows-1252, '#' starts a comment) and appends\n"
        "                                    the best candidate to the collection; says how many\n"
        "                                    words it placed, how tightly, and why each word left\n"
        "                                    out was left out. --thorough (or --best-fit) searches\n"
        "                                    for the grid with the most words, then crossings, for\n"
        "                                    --effort seconds (default 1) instead of running the\n"
        "                                    attempts; --shape auto searches for the smallest square\n"
        "                                    that holds every word and names the squares it tried.\n"
        "                                    Defaults: 100 attempts, no shrink, full build, a seed\n"
        "                                    from the clock (printed), separator ':', the program\n"
        "                                    directory's shape library and its first page layout\n"
        "                                    (the built-in layout when that library is missing or\n"
        "                                    empty), one thread per CPU the process may use\n"
        "  render COLLECTION N --out FILE [--width PX] [--quality Q] [--colors 256|16m]\n"
        "        [--answer-key] [--letters ABC] [--skeleton] [--parts title,body,clues,words,bonus]\n"
        "        [--layout N [--layouts FILE]] [--interactive]\n"
        "                                    draws puzzle N as its printed page, the format\n"
        "                                    following FILE's extension: .pdf or .svg at the paper's\n"
        "                                    size, text kept as text; .png, .bmp or .jpg pictures PX\n"
        "                                    pixels wide (default 640); .html, a web page with its\n"
        "                                    JPEG picture beside it; .wmf or .emf metafiles. Or\n"
        "                                    writes it for solving apps (.ipuz, .puz) or, with\n"
        "                                    --interactive, as a web page to solve it in (.html).\n"
        "                                    --quality: JPEG quality 1..100 of .jpg and .html\n"
        "                                    (default 50). --colors 256: .bmp, .jpg and .html in\n"
        "                                    the fixed 256-colour palette (default 16m, 24 bits).\n"
        "                                    --answer-key: the answers in the squares rather than\n"
        "                                    the empty puzzle. --letters ABC: a partial answer,\n"
        "                                    every square of those letters filled in (up to 25).\n"
        "                                    --skeleton: only the squares of the words are drawn,\n"
        "                                    the filled boxes between them are left out.\n"
        "                                    --parts: only the parts named (default every part).\n"
        "                                    --layout N: layout N of the layout library rather than\n"
        "                                    the puzzle's own. An option that does not apply to the\n"
        "                                    file chosen (a quality for a .png) is refused\n"
        "  print COLLECTION N [--printer NAME] [--copies N] [--answer-key] [--layout N [--layouts FILE]]\n"
        "                                    prints puzzle N's page as the preview's Print does, on\n"
        "                                    the system's default printer or NAME; --copies N\n"
        "                                    copies (default 1)\n"
        "  delete COLLECTION N               removes puzzle N; later puzzles move down by one\n"
        "  replace COLLECTION N --from OTHER M\n"
        "                                    puts puzzle M of OTHER in the place of puzzle N\n"
        "  add-word COLLECTION N --at ROW,COL --across|--down WORD --clue TEXT [--case upper|lower|first]\n"
        "                                    types WORD into free cells of built puzzle N from\n"
        "                                    ROW,COL on and adds it, with its clue, as a new word\n"
        "                                    (stored with a first capital unless --case says else)\n"
        "  layout-export LIBRARY N FILE.PAG  writes layout N of a layout library as an exchange file\n"
        "  layout-import LIBRARY FILE.PAG    appends the layout of an exchange file to a library\n"
        "  words COLLECTION N --out FILE --mode words|clues|both [--sep C]\n"
        "                                    writes puzzle N's words, clues or word and clue pairs\n"
        "                                    (separator ':' unless --sep) as the word list editor\n"
        "                                    exports them: sorted, Windows-1252, CR LF line ends\n"
        "  spell COLLECTION N [--language NAME] [--json]\n"
        "                                    each word and clue piece of puzzle N the dictionary\n"
        "                                    refuses, by row, with its suggestions; the program\n"
        "                                    directory's dictionaries and user word lists. NAME is\n"
        "                                    american (default), british, spanish, italian, french,\n"
        "                                    german, dutch or swedish\n"
        "  thesaurus WORD [--british] [--json]\n"
        "                                    the word's categories and antonym categories with their\n"
        "                                    synonyms, from the American thesaurus unless --british\n"
        "\n"
        "The program directory holds the shape and layout libraries: --program-dir DIR, else\n"
        "$QUORVEX_PROGRAM_DIR, else ${XDG_DATA_HOME:-~/.local/share}/quorvex; the files shipped with\n"
        "the program that it lacks are copied there first, as the windowed program does.\n"
        "Texts read from files are printed with control characters escaped: \\xHH for C0 controls\n"
        "and DEL (an escape character shows as \\x1b), \\uHHHH for C1 controls and marks that\n"
        "reorder text, \\xHH for a file name byte that is not UTF-8, and \\\\ for a backslash.\n"
        "--json output escapes them by JSON's rules (\\u001b).\n"
        "Exit status 0 on success; 1 with one line on standard error otherwise.\n");
}

Result run(const QStringList &args)
{
    return run(args, {});
}

Result run(const QStringList &args, const std::vector<Command> &more)
{
    Result result = runCommand(args, more);
    switch (result.format) {
    case Result::Output::Text:
        for (const QString &line : std::as_const(result.lines))
            result.out += printable(line) + QLatin1Char('\n');
        break;
    case Result::Output::Json:
        result.out = printableJson(result.out);
        break;
    case Result::Output::Own:
        break;
    }
    result.error = printable(result.error);
    return result;
}

} // namespace qx::cli
