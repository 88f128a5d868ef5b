#pragma once
// The rendered page as a baseline JPEG at the chosen quality, compressed by libjpeg from 24-bit
// rows (a 256-colour picture is first brought to its palette, then given to libjpeg as 24 bits).

#include "export/export_format.h"

namespace qx {

class JpegFormat : public ExportFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    QStringList otherSuffixes() const override { return {QStringLiteral("jpeg")}; }
    Source source() const override { return Source::Page; }

    // The JPEG's bytes, the error naming `path` when they cannot be made; the web page's picture too.
    static FileOutcome<QByteArray> pageJpeg(const ExportInput &input, const QString &path);

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;
};

} // namespace qx
