// How the program's file dialogs are set up before they are shown: inside the remembered folder,
// with a file name typed in only when a file was remembered, and never reading a file to show it.

#include "common/ui/ui_host.h"

#include "support/temp_dir.h"

#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using namespace qx;
using namespace qx::test;

TEST(FileDialogStart, OpensInsideTheFolderAndTypesOnlyARememberedFileName)
{
    TempDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString root = QDir(dir.path()).absolutePath();
    const QString sub = root + QStringLiteral("/sub");
    struct Case {
        QString initialPath;
        QString folder;
        QString fileName;
    };
    const Case cases[] = {
        {sub, sub, {}},                                                 // a folder, as the settings' defaults give it
        {sub + QLatin1Char('/'), sub, {}},                              // a folder marked by its slash
        {sub + QStringLiteral("/A.QX3"), sub, QStringLiteral("A.QX3")}, // a remembered file, there or not
        {root + QStringLiteral("/gone/B.QX3"), root, QStringLiteral("B.QX3")}, // its folder was removed
        {root + QStringLiteral("/gone/"), root, {}},
        {QString(), QDir::currentPath(), {}},
    };
    for (const Case &c : cases) {
        const FileDialogStart start = fileDialogStart(c.initialPath);
        EXPECT_EQ(start.folder, c.folder) << c.initialPath.toStdString();
        EXPECT_EQ(start.fileName, c.fileName) << c.initialPath.toStdString();

        for (const bool save : {false, true}) {
            QFileDialog dialog;
            setUpFileDialog(dialog,
                            FileRequest{QStringLiteral("Title"), QStringLiteral("QXMOR Files (*.QX3)|*.QX3"),
                                        QStringLiteral("QX3"), c.initialPath, !save, save},
                            save);
            EXPECT_EQ(dialog.directory().absolutePath(), c.folder) << c.initialPath.toStdString();
            const QStringList selected = dialog.selectedFiles();
            if (c.fileName.isEmpty()) {
                // Nothing typed in: at most the folder itself, never a name made from it.
                EXPECT_TRUE(selected.isEmpty() || selected == QStringList{c.folder})
                    << c.initialPath.toStdString() << " " << selected.join(QLatin1Char(',')).toStdString();
            } else {
                EXPECT_EQ(selected, QStringList{c.folder + QLatin1Char('/') + c.fileName});
            }
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Title"));
            EXPECT_EQ(dialog.acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
            EXPECT_EQ(dialog.fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
            EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !save);
            EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("QX3"));
        }
    }
    EXPECT_EQ(folderStart(sub), sub + QLatin1Char('/'));
    EXPECT_EQ(folderStart(sub + QLatin1Char('/')), sub + QLatin1Char('/'));
}

TEST(FileDialogs, ListingProcReadsNoFileAndReturns)
{
    // Reading /proc/kmsg blocks until the kernel logs something (for root; others may not open it),
    // so a dialog that read files to guess their types hung there. The type is asked on a thread of
    // its own so that a regression fails here instead of hanging the suite.
    struct Asked {
        std::atomic<bool> done{false};
        QString type;
    };
    const auto asked = std::make_shared<Asked>();
    std::thread([asked] {
        asked->type = nameOnlyIconProvider()->type(QFileInfo(QStringLiteral("/proc/kmsg")));
        (void)nameOnlyIconProvider()->icon(QFileInfo(QStringLiteral("/proc/kmsg")));
        asked->done = true;
    }).detach();
    for (int waited = 0; waited < 100 && !asked->done; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(asked->done) << "the provider read /proc/kmsg";
    EXPECT_EQ(asked->type, QStringLiteral("File"));

    // The dialog itself, with /proc/ typed into its name box: the folder is listed with those types.
    QFileDialog dialog;
    setUpFileDialog(dialog, FileRequest{QStringLiteral("Open"), QStringLiteral("All (*.*)|*.*"), {}, {}, false, false},
                    false);
    auto *model = dialog.findChild<QFileSystemModel *>();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->iconProvider(), nameOnlyIconProvider());
    bool loaded = false;
    QObject::connect(model, &QFileSystemModel::directoryLoaded,
                     [&](const QString &path) { loaded = loaded || path == QLatin1String("/proc"); });
    dialog.show();
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name);
    QTest::keyClicks(name, QStringLiteral("/proc/"));
    dialog.setDirectory(QStringLiteral("/proc"));
    const auto waitFor = [](const std::function<bool()> &condition) {
        for (int waited = 0; waited < 200 && !condition(); ++waited)
            QTest::qWait(50);
        return condition();
    };
    ASSERT_TRUE(waitFor([&] { return loaded; }));
    const QModelIndex kmsg = model->index(QStringLiteral("/proc/kmsg"));
    if (kmsg.isValid()) {
        EXPECT_TRUE(waitFor([&] { return model->type(kmsg) == QStringLiteral("File"); }));
    }
    dialog.hide();
}
