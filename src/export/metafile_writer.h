#pragma once
// Windows metafiles of a page: a placeable WMF or an EMF, made with libUEMF from a page stream
// recorded at 96 pixels per inch (the metafile's own unit). Every coordinate becomes a whole pixel
// by dropping its fraction and is held to the 16-bit range a WMF can hold, so a damaged layout
// whose objects lie far off the page cannot wrap around onto it.

#include "report/page_stream.h"

#include <QByteArray>
#include <QSize>

namespace qx {

enum class MetafileKind { Wmf, Emf };

// The page's size in metafile pixels and its physical size in hundredths of a millimetre, as the
// metafile header states them.
struct MetafileSize {
    QSize pixels;
    QSize hundredthsOfMillimetre;
};
MetafileSize metafileSize(double pageWidthInches, double pageHeightInches);

// The file's bytes for page `page` (0-based) of the stream; empty when libUEMF fails.
QByteArray metafileBytes(MetafileKind kind, const PageStream &stream, int page = 0);

} // namespace qx
