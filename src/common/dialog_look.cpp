#include "common/dialog_look.h"

#include <algorithm>

namespace qx {

double screenFactorFor(int windowSize, QSize screen)
{
    switch (effectiveWindowSize(windowSize, screen)) {
    case 800:
        return 1.25;
    case 1024:
        return 1.6;
    case 1280:
        return 2.0;
    default:
        return 1.0;
    }
}

int effectiveWindowSize(int windowSize, QSize screen)
{
    const auto fits = [&](int w, int h) { return screen.width() >= w && screen.height() >= h; };
    if ((windowSize == 800 && fits(800, 600)) || (windowSize == 1024 && fits(1024, 768)) ||
        (windowSize == 1280 && fits(1280, 1024)))
        return windowSize;
    return 640;
}

int scaledBy(int designValue, double factor)
{
    const int percent = static_cast<int>(factor * 100.0 + 1e-9);
    return designValue * percent / 100;
}

QRect keptOnScreen(QRect wanted, QRect screen)
{
    const int width = std::clamp(wanted.width(), 1, std::max(1, screen.width()));
    const int height = std::clamp(wanted.height(), 1, std::max(1, screen.height()));
    const int x = std::clamp(wanted.x(), screen.left(), screen.left() + screen.width() - width);
    const int y = std::clamp(wanted.y(), screen.top(), screen.top() + screen.height() - height);
    return QRect(x, y, width, height);
}

} // namespace qx
