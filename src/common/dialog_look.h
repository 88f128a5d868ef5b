#pragma once
// How windows look: the screen factor every window scales itself by, the screen it centres on, and
// the user's three fonts. Kept free of widgets so that the session can hold it.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

namespace qx {

// One of the user's three fonts (labels, edit boxes, buttons), as the settings file keeps it.
struct UserFont {
    QString name = QStringLiteral("Arial");
    bool bold = false;
    bool italic = false;
    int color = 0; // a stored colour value, red in the low byte

    friend bool operator==(const UserFont &, const UserFont &) = default;
};

struct DialogLook {
    double screenFactor = 1.0;
    QSize screen{1024, 768};
    UserFont labelFont;
    UserFont editFont;
    UserFont buttonFont;
};

// The factor a "Window Size" setting gives on a screen of the given size: 640 gives 1.0, 800 gives
// 1.25, 1024 gives 1.6 and 1280 gives 2.0 when the screen is at least that large; anything else
// gives 1.0, and so does a screen too small.
double screenFactorFor(int windowSize, QSize screen);
// The window size that factor stands for (640 when the setting could not be honoured).
int effectiveWindowSize(int windowSize, QSize screen);

// Keeps a window's place on the screen: no larger than the screen, and moved in so that all of it
// shows.
QRect keptOnScreen(QRect wanted, QRect screen);

// A design measure at the factor: the whole part of factor x 100, then divided by 100.
int scaledBy(int designValue, double factor);

} // namespace qx
