#pragma once
// The small picture of a page layout: the page in white and every object in the colour of its kind,
// as the word list editor and the layout library show it.

#include "layout/page_layout.h"

#include <QColor>
#include <QImage>

namespace qx {

// The legend colour of an object kind (title yellow, grid maroon, ...); white for a bitmap.
QColor layoutLegendColor(int16_t kind);

QImage drawLayoutThumbnail(const PageLayout &layout, QSize picture, const QColor &buttonFace);

} // namespace qx
