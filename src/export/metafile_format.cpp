#include "export/metafile_format.h"

#include "render/render_page.h"

#include <QCoreApplication>
#include <algorithm>

namespace qx {

bool metafileDropsBitmaps(const PageLayout &layout)
{
    return std::any_of(layout.Objects.begin(), layout.Objects.begin() + layout.objectsInUse(),
                       [](const LayoutObject &o) { return o.Kind == static_cast<int16_t>(ObjectKind::Bitmap); });
}

QString MetafileFormat::name() const
{
    return m_kind == MetafileKind::Wmf ? QStringLiteral("Windows Metafile") : QStringLiteral("Enhanced Metafile");
}

QString MetafileFormat::nameFilter() const
{
    return m_kind == MetafileKind::Wmf ? QCoreApplication::translate("qx", "Metafile (*.WMF)|*.WMF")
                                       : QCoreApplication::translate("qx", "Enhanced Metafile (*.EMF)|*.EMF");
}

QString MetafileFormat::suffix() const
{
    return m_kind == MetafileKind::Wmf ? QStringLiteral("wmf") : QStringLiteral("emf");
}

FileOutcome<QByteArray> MetafileFormat::encode(const ExportInput &input, const QString &path) const
{
    if (!input.fits) {
        return refusedFile(path, Refusal::MetafileNeedsPage);
    }
    const std::shared_ptr<const PageStream> page = redrawPage(*input.fits);
    QByteArray bytes = metafileBytes(m_kind, *page);
    if (bytes.isEmpty())
        return refusedFile(path, Refusal::NotEncoded, {QCoreApplication::translate("qx", "metafile")});
    return bytes;
}

} // namespace qx
