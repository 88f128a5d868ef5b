// What the command line and the desktop's menu ask of start-up: a collection to open, and the
// user's own folder as the start-up directory.
#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "common/paths.h"

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
