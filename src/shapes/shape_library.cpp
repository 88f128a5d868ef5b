#include "shapes/shape_library.h"

namespace qx {

namespace {

// Name, width and height: all a list entry needs.
constexpr int EntryPrefix = 55;

} // namespace

ShapeLibrary ShapeLibrary::inProgramDir(const QString &programDir)
{
    return ShapeLibrary(programDir + QLatin1Char('/') + QLatin1String(FileName));
}

int ShapeLibrary::count() const
{
    return m_file.count().value_or(0);
}

EntryList ShapeLibrary::list() const
{
    EntryList out;
    m_file.forEachPrefix(EntryPrefix, [&](int n, std::span<const uint8_t> prefix) {
        std::array<uint8_t, ShapeRecord::Size> bytes{};
        std::copy(prefix.begin(), prefix.end(), bytes.begin());
        out.entries.push_back({n, shapeEntryText(ShapeRecord::decode(bytes))});
    });
    sortByText(out.entries);
    return out;
}

ExportResult exportShape(const QString &path, const ShapeRecord &shape)
{
    return writeExchangeFile(path, ShapeExchange, shape.encoded());
}

ImportOutcome importShape(const QString &path, const ShapeLibrary &library, ShapeRecord &current)
{
    std::vector<uint8_t> record;
    switch (readExchangeFile(path, ShapeExchange, record)) {
    case ExchangeRead::CannotOpen:
        return {ImportResult::CannotOpen};
    case ExchangeRead::Corrupt:
        return {ImportResult::Corrupt};
    case ExchangeRead::Read:
        break;
    }
    current = ShapeRecord::decode(recordSpan<ShapeRecord>(record));
    const auto n = library.append(current);
    if (!n)
        return {ImportResult::CannotAdd};
    return {ImportResult::Imported, *n};
}

} // namespace qx
