#pragma once
// The rendered page as a vector SVG drawing at the paper's size, drawn by the same replay as the
// PDF: lines and shapes as paths, text as text, so it can be selected and searched in a browser.

#include "export/export_format.h"

namespace qx {

class SvgFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Page; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
