#pragma once
// The rendered page as a Windows bitmap: a BITMAPINFOHEADER file, rows bottom-up, each padded to a
// multiple of four bytes; 24 bits per pixel, or 8 bits in the fixed 256-colour palette.

#include "export/export_format.h"

namespace qx {

class BmpFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Page; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
