#include "common/ui/ui_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace qx {

QStringList qtNameFilters(const QString &filter)
{
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toLower() != pattern)
                patterns << pattern.toLower();
        }
        QString label = parts[i];
        label.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        out << label + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

FileDialogStart fileDialogStart(const QString &initialPath)
{
    if (initialPath.isEmpty())
        return {QDir::currentPath(), QString()};
    FileDialogStart start;
    const QFileInfo info(initialPath);
    if (initialPath.endsWith(QLatin1Char('/')) || info.isDir()) {
        start.folder = QDir::cleanPath(info.absoluteFilePath());
    } else {
        start.folder = info.absolutePath();
        start.fileName = info.fileName();
    }
    QDir folder(start.folder);
    while (!folder.exists() && !folder.isRoot() && folder.cdUp()) {
    }
    start.folder = folder.exists() ? folder.absolutePath() : QDir::currentPath();
    return start;
}

QString folderStart(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

namespace {

// Icons and type names from the name alone. Qt's own provider asks the MIME database, which reads
// a file's first bytes when its name says nothing; a name box showing /proc then reads /proc/kmsg,
// which blocks for good, and the dialog with it.
class NameOnlyIconProvider final : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo &info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QObject::tr("Folder");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QObject::tr("File") : QObject::tr("%1 File").arg(suffix.toUpper());
    }
};

} // namespace

QAbstractFileIconProvider *nameOnlyIconProvider()
{
    static NameOnlyIconProvider provider;
    return &provider;
}

void setUpFileDialog(QFileDialog &dialog, const FileRequest &request, bool save)
{
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(nameOnlyIconProvider());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // The dialog starts inside the folder; a folder passed to selectFile would open its parent
    // with the folder's own name typed in as the file name.
    const FileDialogStart start = fileDialogStart(request.initialPath);
    dialog.setDirectory(start.folder);
    if (!start.fileName.isEmpty())
        dialog.selectFile(start.fileName);
}

Answer QtUiHost::message(QWidget *parent, const QString &caption, const QString &text, Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (buttons) {
    case Buttons::Ok: {
        box.setStandardButtons(QMessageBox::Ok);
        // The icon follows the caption, in English or as a translation words it.
        const auto is = [&caption](const char *english) {
            return caption == QLatin1String(english) || caption == QCoreApplication::translate("qx", english);
        };
        box.setIcon(is(QT_TRANSLATE_NOOP("qx", "Error")) || is(QT_TRANSLATE_NOOP("qx", "Disk Error"))
                        ? QMessageBox::Critical
                        : (is(QT_TRANSLATE_NOOP("qx", "Warning")) ? QMessageBox::Warning : QMessageBox::Information));
        break;
    }
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setIcon(QMessageBox::Question);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

void QtUiHost::beep(BeepKind)
{
    QApplication::beep();
}

namespace {

std::optional<QString> runFileDialog(QWidget *parent, const FileRequest &request, bool save)
{
    QFileDialog dialog(parent);
    setUpFileDialog(dialog, request, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtUiHost::openFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, false);
}

std::optional<QString> QtUiHost::saveFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, true);
}

std::optional<FontChoice> QtUiHost::chooseFont(QWidget *parent, const FontChoice &initial)
{
    QFontDialog dialog(parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(initial.font);
    // A family that is not installed ("Arial" without its fonts) is shown as a family that is; a
    // user who only changed the size or style has not chosen that family, and keeps their own.
    const QString shownFamily = dialog.currentFont().family();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont font = dialog.selectedFont();
    if (font.family() == shownFamily)
        font.setFamily(initial.font.family());
    // Qt's font dialog has no colour; the colour is asked for separately and kept when cancelled.
    const QColor color =
        QColorDialog::getColor(initial.color, parent, QObject::tr("Font Colour"), QColorDialog::DontUseNativeDialog);
    return FontChoice{font, color.isValid() ? color : initial.color};
}

std::optional<QColor> QtUiHost::chooseColor(QWidget *parent, const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

bool QtUiHost::printerSetup(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtUiHost::runModal(QDialog &dialog)
{
    return dialog.exec();
}

QAction *QtUiHost::popupMenu(QMenu &menu, QPoint globalPos)
{
    return menu.exec(globalPos);
}

void UiHost::fileChanged(QWidget *parent, const FileError &error, const QString &outcome)
{
    ioError(parent, QObject::tr("%1 was changed by another program.  %2").arg(error.path, outcome));
}

} // namespace qx
