// Every suite runs inside a QApplication on the offscreen platform, so windows can be driven and
// grabbed without a display. The offscreen screen is 1280 x 1024, the screen the window tests tell
// the windows about, unless QUORVEX_TEST_SCREEN names another ("1366x768"): windows keep themselves
// on the screen they are shown on, so that is the screen they are tried against.
//
// QUORVEX_TEST_LANGUAGE ("de") runs the suite with the windows in that language. With
// QUORVEX_PSEUDO_TRANSLATION set, the suite runs under a pseudo-translation made from the sources
// (support/pseudo_translation.h), or exits with 77 (skipped) saying why it cannot be made.
#include "common/translations.h"

#include "support/pseudo_translation.h"

#include <QApplication>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

int main(int argc, char **argv)
{
    QTemporaryFile screenConfig;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QByteArray size = qgetenv("QUORVEX_TEST_SCREEN");
        if (size.isEmpty())
            size = "1280x1024";
        const QList<QByteArray> sides = size.split('x');
        if (sides.size() == 2 && screenConfig.open()) {
            screenConfig.write(R"({"screens": [{"name": "Quorvex test screen", "x": 0, "y": 0, "width": )" + sides[0] +
                               R"(, "height": )" + sides[1] +
                               R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            screenConfig.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfig.fileName().toLocal8Bit());
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quorvex);
    if (const QString language = qEnvironmentVariable("QUORVEX_TEST_LANGUAGE"); !language.isEmpty()) {
        if (!qx::installTranslations(language, QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/translations"))) {
            std::fprintf(stderr, "no translation \"%s\" in the build tree\n", qPrintable(language));
            return 1;
        }
    }
    std::optional<qx::test::PseudoTranslation> translation;
    if (qEnvironmentVariableIsSet("QUORVEX_PSEUDO_TRANSLATION")) {
        translation.emplace();
        if (!translation->failure().isEmpty()) {
            std::printf("Skipped: no pseudo-translation: %s\n", qPrintable(translation->failure()));
            return 77;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
