// How the program's file dialogs are set up before they are shown: inside the remembered folder,
// with a file name typed in only when a file was remembered.

#include "common/ui/ui_host.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFileDialog>

#include <gtest/gtest.h>

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
