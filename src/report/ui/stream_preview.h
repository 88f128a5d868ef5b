#pragma once
// Shows one page of a recorded PageStream at a zoom, in a scrolling view. 100 per cent is the
// stream's own resolution (an inch is 96 pixels), so the page width in pixels and the zoom convert
// into each other exactly.

#include "report/page_stream.h"

#include <QScrollArea>

#include <memory>

namespace qx {

class StreamPreview : public QScrollArea {
    Q_OBJECT

public:
    static constexpr double MinZoom = 5;
    static constexpr double MaxZoom = 800;
    static constexpr double ZoomStep = 10; // per cent points of a "Zoom In" or "Zoom Out"

    explicit StreamPreview(std::shared_ptr<const PageStream> stream, QWidget *parent = nullptr);

    double zoom() const { return m_zoom; }
    // Held to MinZoom..MaxZoom.
    void setZoom(double percent);
    void zoomIn() { setZoom(m_zoom + ZoomStep); }
    void zoomOut() { setZoom(m_zoom - ZoomStep); }
    // The zooms that fit the page's width, or the whole page, into the visible area.
    void zoomPageWidth();
    void zoomWholePage();

    // The page width in pixels at the current zoom, and the zoom that gives a width.
    int pixelWidth() const { return pixelWidthAt(m_zoom); }
    int pixelWidthAt(double zoom) const;
    double zoomForPixelWidth(int pixels) const;

    const PageStream &stream() const { return *m_stream; }
    int page() const { return m_page; }

Q_SIGNALS:
    void zoomChanged(double percent);

private:
    class Canvas;

    double pixelsPerInch() const;
    void layoutCanvas();

    std::shared_ptr<const PageStream> m_stream;
    Canvas *m_canvas = nullptr;
    double m_zoom = 100;
    int m_page = 0;
};

} // namespace qx
