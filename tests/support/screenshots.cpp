#include "support/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

namespace qx::test {

QString screenshotPath(const QString &name)
{
    const QString path = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void saveScreenshot(QWidget &widget, const QString &name)
{
    QApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(screenshotPath(name))) << name.toStdString();
}

void saveScreenshot(const QImage &image, const QString &name)
{
    EXPECT_TRUE(image.save(screenshotPath(name))) << name.toStdString();
}

} // namespace qx::test
