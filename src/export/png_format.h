#pragma once
// The rendered page as a PNG picture of a chosen width, its height following the paper's proportions.

#include "export/export_format.h"

namespace qx {

class PngFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Page; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
