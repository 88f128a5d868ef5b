#include "report/ui/stream_preview.h"

#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace qx {

// The page on a grey desk, with a thin shadow so that a white page stands out.
class StreamPreview::Canvas : public QWidget {
public:
    static constexpr int Margin = 12;

    explicit Canvas(StreamPreview &owner) : QWidget(nullptr), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const PageStream &s = m_owner.stream();
        const double ppi = m_owner.pixelsPerInch();
        const QRectF page(Margin, Margin, s.pageWidth * ppi, s.pageHeight * ppi);
        painter.fillRect(page.translated(3, 3), QColor(64, 64, 64));
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.translate(page.topLeft());
        painter.setClipRect(QRectF(QPointF(0, 0), page.size()));
        paintPage(s, m_owner.page(), painter, ppi);
        painter.restore();
    }

private:
    StreamPreview &m_owner;
};

StreamPreview::StreamPreview(std::shared_ptr<const PageStream> stream, QWidget *parent)
    : QScrollArea(parent), m_stream(stream ? std::move(stream) : std::make_shared<PageStream>())
{
    m_canvas = new Canvas(*this);
    setWidget(m_canvas);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    layoutCanvas();
}

double StreamPreview::pixelsPerInch() const
{
    return RecordingCanvas::FilerPixelsPerInch * m_zoom / 100.0;
}

int StreamPreview::pixelWidthAt(double zoom) const
{
    return static_cast<int>(std::lround(m_stream->pageWidth * RecordingCanvas::FilerPixelsPerInch * zoom / 100.0));
}

double StreamPreview::zoomForPixelWidth(int pixels) const
{
    const double full = m_stream->pageWidth * RecordingCanvas::FilerPixelsPerInch;
    return full > 0 ? pixels * 100.0 / full : m_zoom;
}

void StreamPreview::setZoom(double percent)
{
    if (!std::isfinite(percent))
        return;
    percent = std::clamp(percent, MinZoom, MaxZoom);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    layoutCanvas();
    Q_EMIT zoomChanged(m_zoom);
}

void StreamPreview::zoomPageWidth()
{
    // The page at that width is taller than the view, so leave room for the scroll bar it brings.
    int room = viewport()->width() - 2 * Canvas::Margin - 3;
    if (!verticalScrollBar()->isVisible())
        room -= verticalScrollBar()->sizeHint().width();
    setZoom(zoomForPixelWidth(std::max(room, 1)));
}

void StreamPreview::zoomWholePage()
{
    const int roomW = viewport()->width() - 2 * Canvas::Margin;
    const int roomH = viewport()->height() - 2 * Canvas::Margin;
    const double fullH = m_stream->pageHeight * RecordingCanvas::FilerPixelsPerInch;
    const double byWidth = zoomForPixelWidth(std::max(roomW, 1));
    const double byHeight = fullH > 0 ? std::max(roomH, 1) * 100.0 / fullH : byWidth;
    setZoom(std::min(byWidth, byHeight));
}

void StreamPreview::layoutCanvas()
{
    const double ppi = pixelsPerInch();
    const int w = static_cast<int>(std::ceil(m_stream->pageWidth * ppi)) + 2 * Canvas::Margin + 3;
    const int h = static_cast<int>(std::ceil(m_stream->pageHeight * ppi)) + 2 * Canvas::Margin + 3;
    m_canvas->resize(w, h);
    m_canvas->update();
}

} // namespace qx
