#include "export/solving_format.h"

#include "common/cp1252.h"

namespace qx {

FileOutcome<QByteArray> SolvingFormat::encode(const ExportInput &input, const QString &path) const
{
    if (!input.record)
        return refused(path, Refusal::NoPuzzle);
    const SolvingGrid grid(*input.record);
    if (grid.empty())
        return refused(path, Refusal::NoPlacedWord);
    return encodeGrid(grid, *input.record, path);
}

FileError SolvingFormat::refused(const QString &path, Refusal why, QStringList details)
{
    return refusedFile(path, why, std::move(details));
}

bool solverTypes(uint8_t letter)
{
    const QString text = squareText(letter);
    return !text.isEmpty() && text.at(0).isLetterOrNumber();
}

QString squareText(uint8_t letter)
{
    return cp1252::toUnicode(std::string(1, static_cast<char>(letter)));
}

} // namespace qx
