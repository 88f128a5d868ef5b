#include "layout/layout_library.h"

#include "common/translations.h"
#include "layout/layout_defaults.h"
#include "layout/layout_units.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace qx {

namespace {

// Names and page size: all a list entry needs.
constexpr int EntryPrefix = 58;

// Rounded half away from zero; a damaged size beyond the range saturates, not-a-number gives 0.
long long roundedWhole(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double limit = 1e15;
    return std::llround(x < -limit ? -limit : (x > limit ? limit : x));
}

} // namespace

LayoutLibrary::LayoutLibrary(QString filePath)
    : RecordLibrary(std::move(filePath), QT_TRANSLATE_NOOP("qx", "page layout library"), EntryPrefix, LayoutExchange)
{
}

LayoutLibrary LayoutLibrary::inProgramDir(const QString &programDir)
{
    return LayoutLibrary(programDir + QLatin1Char('/') + QLatin1String(FileName));
}

FileOutcome<EntryList> LayoutLibrary::list(int defaultPage) const
{
    return entries(
        [defaultPage](int n, const PageLayout &layout) { return layoutEntryText(layout, n == defaultPage); });
}

std::string layoutEntryText(const PageLayout &layout, bool isDefault)
{
    // Appended piece by piece: GCC 12 at -O3 takes the chain of temporaries the + operators make
    // for an overlapping copy (a false -Wrestrict).
    const std::string paper = layout.PaperName.str();
    std::string text = layout.LayoutName.str();
    text.append(" (").append(shownInLanguage(paper));
    if (paper == CustomPaperName) {
        text.append(" ").append(std::to_string(roundedWhole(layout.PageWidth)));
        text.append("\" x ").append(std::to_string(roundedWhole(layout.PageHeight))).append("\"");
    }
    text.append(")");
    if (isDefault)
        text.append("  ").append(shownInLanguage(DefaultLayoutMark));
    return text;
}

FileStatus exportLayout(const QString &path, const PageLayout &layout, bool confirmedReplace)
{
    return writeExchangeFile(path, LayoutExchange, layout.encoded(), confirmedReplace);
}

FileOutcome<ImportOutcome> importLayout(const QString &path, const LayoutLibrary &library)
{
    return library.importRecord(path);
}

FileOutcome<PageLayout> layoutForNewPuzzle(const QString &libraryPath, int defaultPage)
{
    const LayoutLibrary library(libraryPath);
    const auto records = library.count();
    if (!records)
        return records.error();
    if (*records == 0)
        return builtInDefaultLayout();
    // A negative number is as unusable as one past the end.
    const int n = (defaultPage >= 0 && defaultPage < *records) ? defaultPage : 0;
    return library.read(n);
}

} // namespace qx
