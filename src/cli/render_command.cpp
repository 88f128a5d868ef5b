#include "cli/render_command.h"

#include "cli/layout_commands.h"
#include "cli/options.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "export/export_formats.h"
#include "export/metafile_format.h"
#include "export/page_picture.h"
#include "export/web_page.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "store/collection_file.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace qx::cli {

namespace {

const QString Suffixes = QStringLiteral(".pdf, .png, .bmp, .jpg, .svg, .html, .wmf, .emf, .ipuz or .puz");

// "--parts title,body" prints only those parts; every part not named is left off.
bool applyParts(const QString &list, PrintOptions &options, QString &error)
{
    options.printTitle = options.printBody = options.printClues = options.printWords = options.printBonus = false;
    for (const QString &raw : list.split(QLatin1Char(','))) {
        const QString part = raw.trimmed().toLower();
        if (part == QLatin1String("title"))
            options.printTitle = true;
        else if (part == QLatin1String("body"))
            options.printBody = true;
        else if (part == QLatin1String("clues"))
            options.printClues = true;
        else if (part == QLatin1String("words"))
            options.printWords = true;
        else if (part == QLatin1String("bonus"))
            options.printBonus = true;
        else {
            error = QStringLiteral("unknown part %1 (parts are title, body, clues, words, bonus)").arg(raw.trimmed());
            return false;
        }
    }
    return true;
}

// Options that shape something the chosen file does not have (a JPEG quality for a PNG, a page
// layout for a .puz) are refused rather than silently ignored.
QString optionNotForFormat(const Options &o, const ExportFormat &format, const QString &out)
{
    const bool jpeg = &format == &jpegFormat() || &format == &htmlFormat();
    const bool picture = jpeg || &format == &pngFormat() || &format == &bmpFormat();
    const bool palette = jpeg || &format == &bmpFormat();
    const bool page = format.source() == ExportFormat::Source::Page;
    static const QString Pages = QStringLiteral("the printed page: .pdf .png .bmp .jpg .svg .html .wmf .emf");
    const struct {
        const char *option;
        bool applies;
        QString files;
    } rules[] = {
        {"--width", picture, QStringLiteral(".png .bmp .jpg and .html pictures")},
        {"--quality", jpeg, QStringLiteral(".jpg and .html pictures")},
        {"--colors", palette, QStringLiteral(".bmp .jpg and .html pictures")},
        {"--answer-key", page, Pages},
        {"--letters", page, Pages},
        {"--skeleton", page, Pages},
        {"--parts", page, Pages},
        {"--layout", page, Pages},
        {"--layouts", page, Pages},
    };
    for (const auto &rule : rules) {
        const QString option = QString::fromLatin1(rule.option);
        if (!rule.applies && (o.has(option) || o.flag(option)))
            return QStringLiteral("%1 does not apply to %2 (only to %3)")
                .arg(option, QFileInfo(out).fileName(), rule.files);
    }
    return {};
}

} // namespace

AcceptedOptions renderOptions()
{
    return {{"--out", "--width", "--quality", "--colors", "--letters", "--parts", "--layout", "--layouts"},
            {"--answer-key", "--skeleton", "--interactive"}};
}

PuzzleRead printablePuzzle(const Options &o)
{
    const auto number = recordNumber(o.positional[1]);
    if (!number)
        return {std::nullopt, fail(QStringLiteral("not a record number: %1").arg(o.positional[1]))};
    const int n = *number;
    PuzzleRead read = readPuzzle(o.positional[0], n);
    if (!read.record)
        return read;
    if (read.record->PuzzleBuilt == 0)
        return {std::nullopt, fail(QStringLiteral("puzzle %1 has never been built, so it cannot be printed").arg(n))};
    // As the print options' Change Page Layout does: only this printing takes the layout.
    if (o.has(QStringLiteral("--layout"))) {
        const LibraryLayout chosen = layoutFromLibrary(o, o.value(QStringLiteral("--layout")));
        if (!chosen.layout)
            return {std::nullopt, chosen.failure};
        read.record->Layout = *chosen.layout;
    } else if (o.has(QStringLiteral("--layouts"))) {
        return {std::nullopt, fail(QStringLiteral("--layouts names the library of --layout N"))};
    }
    return read;
}

std::optional<PrintOptions> pageOptions(const Options &o, const PuzzleRecord &record, QString &error)
{
    PrintOptions options;
    initPageLay(options, record.Layout);
    if (o.has(QStringLiteral("--parts")) && !applyParts(o.value(QStringLiteral("--parts")), options, error))
        return std::nullopt;
    options.answerKey = o.flag(QStringLiteral("--answer-key"));
    if (o.flag(QStringLiteral("--skeleton")))
        options.useBoxes = false;
    if (o.has(QStringLiteral("--letters"))) {
        const auto letters = cp1252::fromUnicode(o.value(QStringLiteral("--letters")));
        if (!letters) {
            error = QStringLiteral("--letters holds a character no puzzle can hold");
            return std::nullopt;
        }
        options.partialLetters = true;
        options.letters = partialLettersText(*letters);
    }
    // Fonts are measured and drawn through Qt's font database, which only a GUI application has.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        error = QStringLiteral("drawing the page needs fonts, which this program was started without");
        return std::nullopt;
    }
    return options;
}

Result renderCommand(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("render needs a collection file and a record number"));
    const QString out = o.value(QStringLiteral("--out"));
    if (out.isEmpty())
        return fail(QStringLiteral("render needs --out FILE (%1)").arg(Suffixes));
    const ExportFormat *format = pageFormatFor(out);
    if (!format)
        format = solvingFormatFor(out);
    if (o.flag(QStringLiteral("--interactive"))) {
        const QString suffix = QFileInfo(out).suffix().toLower();
        if (suffix != QLatin1String("html") && suffix != QLatin1String("htm"))
            return fail(QStringLiteral("--interactive writes a web page: name it .html"));
        format = &solvablePageFormat();
    }
    if (!format)
        return fail(QStringLiteral("cannot tell the format of %1: name it %2").arg(out, Suffixes));
    if (const QString refused = optionNotForFormat(o, *format, out); !refused.isEmpty())
        return fail(refused);
    int width = 640; // the program's default picture width
    if (o.has(QStringLiteral("--width"))) {
        bool ok = false;
        width = o.value(QStringLiteral("--width")).toInt(&ok);
        if (!ok || width < 1 || width > MaxPictureSide)
            return fail(QStringLiteral("--width needs a whole number of pixels from 1 to %1").arg(MaxPictureSide));
    }
    int quality = 50; // the program's default JPEG quality
    if (o.has(QStringLiteral("--quality"))) {
        const auto q = jpegQualityFrom(o.value(QStringLiteral("--quality")));
        if (!q)
            return fail(QStringLiteral("--quality needs a whole number from 1 to 100"));
        quality = *q;
    }
    bool colors256 = false;
    if (o.has(QStringLiteral("--colors"))) {
        const QString colors = o.value(QStringLiteral("--colors")).trimmed().toLower();
        if (colors != QLatin1String("256") && colors != QLatin1String("16m"))
            return fail(QStringLiteral("--colors is 256 (the fixed palette) or 16m (24 bits)"));
        colors256 = colors == QLatin1String("256");
    }

    auto read = printablePuzzle(o);
    if (!read.record)
        return read.failure;
    PuzzleRecord *record = &*read.record;

    const auto done = [&](const QStringList &warnings) {
        Result result;
        result.lines = warnings;
        result.lines << QStringLiteral("Rendered \"%1\" to %2.")
                            .arg(cp1252::toUnicode(record->PuzzleName.str()), QFileInfo(out).absoluteFilePath());
        return result;
    };
    ExportInput input;
    input.record = &*record;
    // The formats for solving are made from the puzzle itself: no page, no fonts.
    if (format->source() == ExportFormat::Source::Puzzle) {
        if (const FileStatus written = format->write(input, out); !written)
            return fail(QStringLiteral("cannot write %1").arg(written.error().errorText()));
        return done({});
    }

    QString error;
    const std::optional<PrintOptions> options = pageOptions(o, *record, error);
    if (!options)
        return fail(error);
    const RenderedPage page = renderPuzzlePage(*record, *options);
    input.page = page.stream.get();
    input.pixelWidth = width;
    input.fits = page.fits.get();
    input.jpegQuality = quality;
    input.colors256 = colors256;
    if (!pictureWidthAllowed(width, page.stream->pageWidth, page.stream->pageHeight))
        return fail(QStringLiteral("--width %1 makes the page's picture more than %2 pixels high")
                        .arg(width)
                        .arg(MaxPictureSide));
    if (const FileStatus written = format->write(input, out); !written)
        return fail(QStringLiteral("cannot write %1").arg(written.error().errorText()));
    QStringList warnings;
    for (const RenderWarning w : page.outcome.warnings())
        warnings << QStringLiteral("Warning: %1").arg(QString::fromUtf8(warningText(w)));
    const bool metafile = format == &metafileFormat(MetafileKind::Wmf) || format == &metafileFormat(MetafileKind::Emf);
    if (metafile && metafileDropsBitmaps(record->Layout))
        warnings << QStringLiteral("Warning: Bitmaps in this puzzle will not be saved in the metafile.");
    Result result = done(warnings);
    if (format == &htmlFormat())
        result.lines << QStringLiteral("Its picture is %1.").arg(QFileInfo(webPicturePath(out)).absoluteFilePath());
    return result;
}

} // namespace qx::cli
