// What the command line and the desktop's menu ask of start-up: a collection to open, and the
// user's own folder as the start-up directory.
#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "common/paths.h"
#include "shapes/shape_record.h"
#include "store/settings.h"

#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {
const QString ShippedDir = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");
}

TEST(StartupOptions, ACollectionNamedOnTheCommandLineIsOpenedAndTheLastOneKeptInTheRecentFiles)
{
    TempDir startup, program;
    ASSERT_TRUE(QFile::copy(ShippedDir + QStringLiteral("/SAMPLE.QX3"), startup.file(QStringLiteral("Mine.QX3"))));
    ScriptedUiHost host;
    Session session;
    StartupOptions options;
    options.programDir = program.path();
    options.startupDir = startup.path();
    options.collection = QStringLiteral("Mine.QX3"); // relative to the start-up directory
    auto window = startUp(options, session, host);

    EXPECT_EQ(session.collectionPath(), startup.file(QStringLiteral("Mine.QX3")));
    EXPECT_EQ(session.settings.misc.lastFiles[0], Settings::defaults(startup.path()).misc.lastCollection);
    EXPECT_FALSE(session.collection.categories().empty());
    EXPECT_FALSE(session.collection.puzzles().empty());
    EXPECT_TRUE(session.collection.selectedPuzzle().has_value());
}

TEST(StartupOptions, TheUserFolderIsMadeOnceWithTheSample)
{
    TempDir home;
    const QString folder = prepareUserFolder(home.path(), ShippedDir);
    ASSERT_EQ(folder, home.file(QStringLiteral("Quorvex")));
    const QString sample = folder + QStringLiteral("/SAMPLE.QX3");
    ASSERT_TRUE(QFileInfo(sample).isFile());
    EXPECT_TRUE(QFileInfo(sample).isWritable());

    // A sample the user deleted stays deleted.
    ASSERT_TRUE(QFile::remove(sample));
    EXPECT_EQ(prepareUserFolder(home.path(), ShippedDir), folder);
    EXPECT_FALSE(QFileInfo::exists(sample));

    // A file where the folder should be: no folder, and the caller keeps the current directory.
    TempDir other;
    QFile blocker(other.file(QStringLiteral("Quorvex")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(prepareUserFolder(other.path(), ShippedDir).isEmpty());
}

TEST(StartupOptions, OnlyANewUserStartsWithAHundredAttemptsAndTheSmallestSquare)
{
    const struct {
        const char *name;
        const char *settingsFile; // nullptr: none
        bool userFolder;
        int attempts;
        int lastShape;
    } cases[] = {
        {"a first start in a folder without settings", nullptr, false, 100, SmallestSquareMarker},
        {"a first start in the folder --user-folder makes", nullptr, true, 100, SmallestSquareMarker},
        {"settings without the two keys", "[Misc]\r\nShow Tips=No\r\n", false, 1, 1},
        {"settings with them", "[Create Options]\r\nAttempts=7\r\nLast Shape=3\r\n", false, 7, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir home, program;
        const QString startup = c.userFolder ? prepareUserFolder(home.path(), ShippedDir) : home.path();
        const QString settingsPath = startup + QLatin1Char('/') + SettingsFileName.toString();
        if (c.settingsFile) {
            QFile f(settingsPath);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.settingsFile);
        }
        ScriptedUiHost host;
        Session session;
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup;
        auto window = startUp(options, session, host);
        EXPECT_EQ(session.settings.createOptions.attempts, c.attempts);
        EXPECT_EQ(session.settings.createOptions.lastShape, c.lastShape);
        // The file the program creates on leaving holds them, and so does every later start.
        window->saveSettings();
        const auto again = loadSettings(settingsPath, startup);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->createOptions.attempts, c.attempts);
        EXPECT_EQ(again->createOptions.lastShape, c.lastShape);
    }
}
