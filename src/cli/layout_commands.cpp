#include "cli/layout_commands.h"

#include "cli/options.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "layout/layout_library.h"

namespace qx::cli {

namespace {

// Record n of a library that must be there; the failure otherwise.
LibraryLayout readLayout(const LayoutLibrary &library, const QString &number)
{
    LibraryLayout out;
    const auto n = recordNumber(number);
    if (!n) {
        out.failure = fail(QStringLiteral("not a layout number: %1").arg(number));
        return out;
    }
    if (const FileStatus status = checkRegularFile(library.path()); !status) {
        out.failure = fail(QStringLiteral("cannot open layout library %1").arg(status.error().errorText()));
        return out;
    }
    const auto count = library.count();
    if (!count) {
        out.failure = fail(QStringLiteral("cannot open layout library %1").arg(count.error().errorText()));
        return out;
    }
    if (*n >= *count) {
        out.failure = fail(
            QStringLiteral("layout %1 is not in %2, which holds %3 layouts").arg(*n).arg(library.path()).arg(*count));
        return out;
    }
    const auto layout = library.read(*n);
    if (!layout)
        out.failure = fail(QStringLiteral("cannot open layout library %1").arg(layout.error().errorText()));
    else
        out.layout = *layout;
    return out;
}

QString entryOf(const PageLayout &layout)
{
    return cp1252::toUnicode(layoutEntryText(layout, false));
}

} // namespace

LibraryLayout layoutFromLibrary(const Options &o, const QString &number)
{
    const QString path = o.has(QStringLiteral("--layouts")) ? o.value(QStringLiteral("--layouts"))
                                                            : LayoutLibrary::inProgramDir(programDir(o)).path();
    return readLayout(LayoutLibrary(path), number);
}

Result layoutExportCommand(const Options &o)
{
    if (o.positional.size() != 3)
        return fail(QStringLiteral("layout-export needs a layout library, a layout number and a .PAG file"));
    const LibraryLayout read = readLayout(LayoutLibrary(o.positional[0]), o.positional[1]);
    if (!read.layout)
        return read.failure;
    const QString &out = o.positional[2];
    if (const FileStatus written = exportLayout(out, *read.layout); !written)
        return fail(QStringLiteral("cannot write %1").arg(written.error().errorText()));
    Result done;
    done.lines << QStringLiteral("Exported \"%1\" to %2.").arg(entryOf(*read.layout), out);
    return done;
}

Result layoutImportCommand(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("layout-import needs a layout library and a .PAG file"));
    const LayoutLibrary library(o.positional[0]);
    const QString &in = o.positional[1];
    const auto imported = importLayout(in, library);
    if (!imported) {
        const FileError &error = imported.error();
        if (error.path == in)
            return fail(QStringLiteral("cannot read %1").arg(error.errorText()));
        return fail(QStringLiteral("cannot add to layout library %1").arg(error.errorText()));
    }
    if (imported->result == ImportResult::Corrupt)
        return fail(QStringLiteral("%1 is corrupt or is not a page layout file").arg(in));
    const auto layout = library.read(imported->recordNumber);
    Result done;
    done.lines << QStringLiteral("Imported \"%1\" as layout %2 of %3.")
                      .arg(layout ? entryOf(*layout) : QString())
                      .arg(imported->recordNumber)
                      .arg(library.path());
    return done;
}

} // namespace qx::cli
