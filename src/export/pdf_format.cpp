#include "export/pdf_format.h"

#include "common/cp1252.h"
#include "report/stream_replay.h"

#include <QCoreApplication>

namespace qx {

QString PdfFormat::name() const
{
    return QStringLiteral("PDF");
}

QString PdfFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "PDF (*.pdf)|*.pdf");
}

QString PdfFormat::suffix() const
{
    return QStringLiteral("pdf");
}

QString PdfFormat::titleOf(const PuzzleRecord *record)
{
    const QString name = record ? cp1252::toUnicode(record->PuzzleName.str()).trimmed() : QString();
    return name.isEmpty() ? QStringLiteral("Crossword Puzzle") : name;
}

FileOutcome<QByteArray> PdfFormat::encode(const ExportInput &input, const QString &path) const
{
    QByteArray bytes;
    if (input.page)
        bytes = pdfDocument(*input.page, titleOf(input.record), input.pageIndex, input.pageIndex);
    if (bytes.isEmpty())
        return refusedFile(path, Refusal::NotEncoded, {QStringLiteral("PDF")});
    return bytes;
}

} // namespace qx
