// Every suite runs inside a QApplication on the offscreen platform, so windows can be driven and
// grabbed without a display.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quorvex);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
