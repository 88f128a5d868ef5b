#include "common/ui/ui_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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

Answer QtUiHost::message(QWidget *parent, const QString &caption, const QString &text, Buttons buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(caption == QLatin1String("Error") || caption == QLatin1String("Disk Error")
                        ? QMessageBox::Critical
                        : (caption == QLatin1String("Warning") ? QMessageBox::Warning : QMessageBox::Information));
        break;
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

QFileDialog *makeFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(parent, request.title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilters(qtNameFilters(request.filter));
    dialog->setDefaultSuffix(request.defaultSuffix);
    dialog->setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.overwritePrompt)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialPath.isEmpty())
        dialog->selectFile(request.initialPath);
    return dialog;
}

std::optional<QString> runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    std::unique_ptr<QFileDialog> dialog(makeFileDialog(parent, request, mode));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtUiHost::openFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUiHost::saveFileName(QWidget *parent, const FileRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<FontChoice> QtUiHost::chooseFont(QWidget *parent, const FontChoice &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial.font, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok)
        return std::nullopt;
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

} // namespace qx
