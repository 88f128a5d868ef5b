#include "export/solving_format.h"

#include "common/cp1252.h"

#include <QCoreApplication>

namespace qx {

FileOutcome<QByteArray> SolvingFormat::encode(const ExportInput &input, const QString &path) const
{
    if (!input.record)
        return refused(path, QCoreApplication::translate("qx", "There is no puzzle to export"));
    const SolvingGrid grid(*input.record);
    if (grid.empty())
        return refused(path, QCoreApplication::translate("qx", "The puzzle has no placed word to solve"));
    return encodeGrid(grid, *input.record, path);
}

FileError SolvingFormat::refused(const QString &path, const QString &why)
{
    return FileError{FileError::Kind::Io, path, why};
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
