#include "layout/layout_library.h"

#include "layout/layout_defaults.h"
#include "layout/layout_units.h"

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

LayoutLibrary LayoutLibrary::inProgramDir(const QString &programDir)
{
    return LayoutLibrary(programDir + QLatin1Char('/') + QLatin1String(FileName));
}

int LayoutLibrary::count() const
{
    return m_file.count().value_or(0);
}

EntryList LayoutLibrary::list(int defaultPage) const
{
    EntryList out;
    m_file.forEachPrefix(EntryPrefix, [&](int n, std::span<const uint8_t> prefix) {
        std::vector<uint8_t> bytes(PageLayout::Size);
        std::copy(prefix.begin(), prefix.end(), bytes.begin());
        out.entries.push_back(
            {n, layoutEntryText(PageLayout::decode(recordSpan<PageLayout>(bytes)), n == defaultPage)});
    });
    sortByText(out.entries);
    return out;
}

std::string layoutEntryText(const PageLayout &layout, bool isDefault)
{
    // Appended piece by piece: GCC 12 at -O3 takes the chain of temporaries the + operators make
    // for an overlapping copy (a false -Wrestrict).
    const std::string paper = layout.PaperName.str();
    std::string text = layout.LayoutName.str();
    text.append(" (").append(paper);
    if (paper == CustomPaperName) {
        text.append(" ").append(std::to_string(roundedWhole(layout.PageWidth)));
        text.append("\" x ").append(std::to_string(roundedWhole(layout.PageHeight))).append("\"");
    }
    text.append(")");
    if (isDefault)
        text += DefaultLayoutMark;
    return text;
}

ExportResult exportLayout(const QString &path, const PageLayout &layout)
{
    return writeExchangeFile(path, LayoutExchange, layout.encoded());
}

ImportOutcome importLayout(const QString &path, const LayoutLibrary &library)
{
    std::vector<uint8_t> record;
    switch (readExchangeFile(path, LayoutExchange, record)) {
    case ExchangeRead::CannotOpen:
        return {ImportResult::CannotOpen};
    case ExchangeRead::Corrupt:
        return {ImportResult::Corrupt};
    case ExchangeRead::Read:
        break;
    }
    const auto n = library.append(PageLayout::decode(recordSpan<PageLayout>(record)));
    if (!n)
        return {ImportResult::CannotAdd};
    return {ImportResult::Imported, *n};
}

PageLayout layoutForNewPuzzle(const QString &libraryPath, int defaultPage)
{
    const LayoutLibrary library(libraryPath);
    const int records = library.count();
    if (records == 0)
        return builtInDefaultLayout();
    // A negative number is as unusable as one past the end.
    const int n = (defaultPage >= 0 && defaultPage < records) ? defaultPage : 0;
    return library.read(n).value_or(builtInDefaultLayout());
}

} // namespace qx
