#include "builder/candidate_picture.h"

#include "common/cp1252.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace qx {

int candidateCellSize(QSize picture, int gridWidth, int gridHeight)
{
    return std::min(picture.width() / std::max(gridWidth, 1) - 1, picture.height() / std::max(gridHeight, 1) - 1);
}

namespace {

QFont arial(int size)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size);
    return font;
}

} // namespace

int candidateFontSize(int cellSize)
{
    int size = 20;
    while (size > 4 && QFontMetrics(arial(size)).height() >= cellSize)
        --size;
    return size;
}

QImage drawGridPicture(const PuzzleRecord &record, QSize whiteArea, QSize picture, const QColor &buttonFace,
                       const std::function<QColor(int cell)> &emptyColour)
{
    QImage image(picture, QImage::Format_RGB32);
    image.fill(buttonFace);
    const int width = record.widthInUse();
    const int height = record.heightInUse();
    const int s = candidateCellSize(picture, width, height);
    if (s < 1)
        return image;
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, whiteArea.width() * s, whiteArea.height() * s), Qt::white);
    painter.setPen(Qt::black);
    for (int r = 0; r <= height; ++r)
        painter.drawLine(0, r * s, width * s, r * s);
    for (int c = 0; c <= width; ++c)
        painter.drawLine(c * s, 0, c * s, height * s);
    painter.setFont(arial(candidateFontSize(s)));
    const QFontMetrics metrics = painter.fontMetrics();
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const QRect inner((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1);
            const uint8_t cell = record.cell(r, c);
            if (cell == 0) {
                painter.fillRect(inner, buttonFace);
            } else if (cell == ' ') {
                painter.fillRect(inner, emptyColour(cellIndex(r, c)));
            } else {
                painter.fillRect(inner, Qt::white);
                const QString text = cp1252::toUnicode(std::string(1, static_cast<char>(cell)));
                const int x = inner.left() + (inner.width() - metrics.horizontalAdvance(text)) / 2;
                const int y = inner.top() + (inner.height() - metrics.height()) / 2;
                painter.drawText(x, y + metrics.ascent(), text);
            }
        }
    }
    return image;
}

QImage drawCandidate(const PuzzleRecord &record, int score, const ShapeRecord &currentShape, QSize picture,
                     const QColor &buttonFace)
{
    if (score < 1) {
        QImage image(picture, QImage::Format_RGB32);
        image.fill(buttonFace);
        return image;
    }
    return drawGridPicture(record, QSize(currentShape.width(), currentShape.height()), picture, buttonFace,
                           [](int) { return QColor(Qt::black); });
}

} // namespace qx
