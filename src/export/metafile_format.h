#pragma once
// The page as a Windows metafile (WMF) or an enhanced metafile (EMF): drawn again from what the
// page's rendering settled (ExportInput::fits), as vectors with text as text. Pictures on the
// page are not kept.

#include "export/export_format.h"
#include "export/metafile_writer.h"

namespace qx {

// Whether the layout holds bitmap objects, which a metafile leaves out (the user is told first).
bool metafileDropsBitmaps(const PageLayout &layout);

class MetafileFormat : public ExportFormat {
public:
    explicit MetafileFormat(MetafileKind kind) : m_kind(kind) {}

    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Page; }
    MetafileKind kind() const { return m_kind; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;

private:
    MetafileKind m_kind;
};

} // namespace qx
