#include "layout/ui/color_swatch.h"

#include "common/colors.h"
#include "common/ui/ui_host.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

ColorSwatch::ColorSwatch(UiHost &host, ColorValue color, const QString &buttonText, QWidget *parent)
    : QWidget(parent), m_host(host), m_color(color)
{
    m_swatch = new QLabel(this);
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setMinimumSize(40, 20);
    m_swatch->setAutoFillBackground(true);
    m_button = new QPushButton(buttonText, this);
    connect(m_button, &QPushButton::clicked, this, &ColorSwatch::chooseColor);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_swatch, 1);
    row->addWidget(m_button);
    showColor();
}

void ColorSwatch::chooseColor()
{
    const auto chosen = m_host.chooseColor(window(), fromColorValue(m_color));
    if (!chosen)
        return;
    m_color = toColorValue(*chosen);
    showColor();
}

void ColorSwatch::showColor()
{
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, fromColorValue(m_color));
    m_swatch->setPalette(palette);
}

} // namespace qx
