#pragma once
// The rendered page as a PDF at the paper's size, text and lines kept as vectors; the document's
// title is the puzzle's name.

#include "export/export_format.h"

namespace qx {

class PdfFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Page; }

    // The title a PDF of the puzzle carries: its name, or "Crossword Puzzle" for a puzzle without one.
    static QString titleOf(const PuzzleRecord *record);

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
