#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/startup.h"
#include "store/old_version_files.h"

#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

struct Started {
    TempDir startup;
    TempDir program;
    ScriptedUiHost host;
    Session session;
    std::unique_ptr<MainWindow> window;

    void start()
    {
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup.path();
        window = startUp(options, session, host);
    }

    void writeCollection(const QString &name, std::initializer_list<std::pair<std::string, std::string>> puzzles)
    {
        const CollectionFile file(startup.file(name));
        ASSERT_TRUE(file.createEmpty());
        for (const auto &[category, title] : puzzles) {
            PuzzleRecord r;
            r.Category.set(category);
            r.PuzzleName.set(title);
            ASSERT_TRUE(file.append(r));
        }
    }
};

QStringList items(const QListWidget *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}

} // namespace

TEST(MainWindowStart, ShowsTheLastGroupWithTheFirstCategoryAndPuzzleSelected)
{
    Started s;
    s.writeCollection(QStringLiteral("DEFAULT.QX3"),
                      {{"Zoo", "Lions"}, {"Birds", "Wrens"}, {"Birds", "Auks"}, {"Zoo", "Bears"}});
    s.start();
    EXPECT_EQ(items(s.window->categoryBox()), (QStringList{"Birds", "Zoo"}));
    EXPECT_EQ(items(s.window->puzzleBox()), (QStringList{"Auks", "Wrens"}));
    EXPECT_EQ(s.window->categoryBox()->currentRow(), 0);
    EXPECT_EQ(s.window->puzzleBox()->currentRow(), 0);
    EXPECT_EQ(s.session.collection.selectedRecord(), 2);
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("Quorvex 98 (DEFAULT)"));
    EXPECT_TRUE(s.host.messages().empty());

    s.window->categoryBox()->setCurrentRow(1);
    EXPECT_EQ(items(s.window->puzzleBox()), (QStringList{"Bears", "Lions"}));
    EXPECT_EQ(s.session.collection.selectedRecord(), std::nullopt);

    s.window->show();
    saveScreenshot(*s.window, QStringLiteral("main_window.png"));
}

TEST(MainWindowStart, ANewUserSeesTheSamplePuzzlesAndTheShippedShapes)
{
    Started s;
    const QString shipped = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");
    ASSERT_TRUE(QFile::copy(shipped + QStringLiteral("/SAMPLE.QX3"), s.startup.file(QStringLiteral("SAMPLE.QX3"))));
    StartupOptions options;
    options.programDir = s.program.path();
    options.startupDir = s.startup.path();
    options.shippedDataDir = shipped;
    s.window = startUp(options, s.session, s.host);
    EXPECT_GE(s.window->categoryBox()->count(), 4);
    EXPECT_GE(s.window->puzzleBox()->count(), 1);
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("Quorvex 98 (SAMPLE)"));
    EXPECT_GE(s.session.shapeLibrary().count().value(), 24);
    s.window->show();
    saveScreenshot(*s.window, QStringLiteral("main_window_sample.png"));
}

TEST(MainWindowStart, SampleCollectionIsOpenedWhenThereIsNoDefaultOne)
{
    Started s;
    s.writeCollection(QStringLiteral("SAMPLE.QX3"), {{"Fun", "First"}});
    s.start();
    EXPECT_EQ(s.session.collectionPath(), s.startup.file(QStringLiteral("SAMPLE.QX3")));
    EXPECT_EQ(items(s.window->puzzleBox()), (QStringList{"First"}));
}

TEST(MainWindowStart, AMissingCollectionShowsEmptyListsAndNoMessage)
{
    Started s;
    s.start();
    EXPECT_EQ(s.window->categoryBox()->count(), 0);
    EXPECT_EQ(s.window->puzzleBox()->count(), 0);
    EXPECT_TRUE(s.host.messages().empty());
}

TEST(MainWindowClose, WritesTheSettingsIntoTheStartupDirectory)
{
    Started s;
    s.start();
    s.session.settings.misc.showTips = false;
    s.window->close();
    QFile ini(s.startup.file(QStringLiteral("QXMOR3.INI")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Show Tips=No")));
    EXPECT_TRUE(text.contains(QStringLiteral("Last Group=") + s.startup.file(QStringLiteral("DEFAULT.QX3"))));
}

TEST(PreviousVersionFiles, AreOfferedAndConvertedOnYes)
{
    Started s;
    OldPuzzleRecord old;
    old.Name.set("Ancient");
    std::vector<uint8_t> bytes(OldPuzzleRecord::Size);
    old.encode(std::span<uint8_t, OldPuzzleRecord::Size>(bytes.data(), bytes.size()));
    writeAll(s.program.file(QString::fromLatin1(OldPuzzleFileName)), bytes);
    writeAll(s.startup.file(QString::fromLatin1(OldShapeFileName)), patternBytes(2555, 4));
    s.host.answerNext(Answer::Yes);
    s.host.answerNext(Answer::Ok);
    s.host.answerNext(Answer::No); // keep the shapes for another time
    s.start();

    const auto &m = s.host.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].caption, QStringLiteral("Notice"));
    EXPECT_EQ(m[0].text, QStringLiteral("User generated puzzles from a previous version of Quorvex have been "
                                        "detected.  Would you like to convert them to a puzzle group?"));
    EXPECT_EQ(m[0].buttons, Buttons::YesNo);
    EXPECT_EQ(m[1].caption, QStringLiteral("Ok"));
    EXPECT_EQ(m[1].text, QStringLiteral("A new puzzle group named \"OLDPUZZ.QX3\" has been created."));
    EXPECT_EQ(m[2].text, QStringLiteral("User generated shapes from a previous version of Quorvex have been "
                                        "detected.  Would you like to add them to the current list of puzzle "
                                        "shapes?"));
    EXPECT_EQ(CollectionFile(s.program.file(QStringLiteral("OLDPUZZ.QX3"))).read(0)->PuzzleName.str(), "Ancient");
    EXPECT_FALSE(QFile::exists(s.program.file(QString::fromLatin1(OldPuzzleFileName))));
    EXPECT_TRUE(QFile::exists(s.startup.file(QString::fromLatin1(OldShapeFileName))));
}

TEST(PreviousVersionFiles, ShapesThatCannotBeAddedAreReported)
{
    Started s;
    writeAll(s.startup.file(QString::fromLatin1(OldShapeFileName)), patternBytes(2555, 4));
    // A directory where the library should be: it can be neither opened nor created.
    ASSERT_TRUE(QDir().mkpath(s.program.file(QStringLiteral("QXFLAY.DAT"))));
    s.host.answerNext(Answer::Yes);
    s.start();
    ASSERT_EQ(s.host.messages().size(), 2u);
    EXPECT_EQ(s.host.messages()[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(s.host.messages()[1].text, QStringLiteral("Unable to add shapes."));
    EXPECT_TRUE(QFile::exists(s.startup.file(QString::fromLatin1(OldShapeFileName))));
}
