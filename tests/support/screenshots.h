#pragma once
// Where the tests leave the pictures of windows and pages for a person to look at:
// build/screenshots, made on first use.

#include <QString>

class QImage;
class QWidget;

namespace qx::test {

// The path of a picture in the screenshots folder ("layouts/x.png" puts it in a subfolder).
QString screenshotPath(const QString &name);

// Grabs the widget as it is drawn once pending events are handled, into the screenshots folder; a
// picture that cannot be written fails the test.
void saveScreenshot(QWidget &widget, const QString &name);
void saveScreenshot(const QImage &image, const QString &name);

} // namespace qx::test
