#pragma once
// A colour of an object shown as a swatch, with the button that changes it through the host's
// colour chooser. Cancelling the chooser keeps the colour.

#include "layout/page_layout.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace qx {

class UiHost;

class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    ColorSwatch(UiHost &host, ColorValue color, const QString &buttonText, QWidget *parent = nullptr);

    ColorValue color() const { return m_color; }
    QPushButton *changeButton() const { return m_button; }

    void chooseColor();

private:
    void showColor();

    UiHost &m_host;
    ColorValue m_color;
    QLabel *m_swatch = nullptr;
    QPushButton *m_button = nullptr;
};

} // namespace qx
