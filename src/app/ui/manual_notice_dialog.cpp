#include "app/ui/manual_notice_dialog.h"

#include "common/ui/ui_host.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {

const QString WordManual = QStringLiteral("QXMOR.DOC");
const QString PdfManual = QStringLiteral("QXMOR.PDF");

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

DocumentOpener desktopOpener()
{
    return [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

ManualNoticeDialog::ManualNoticeDialog(const DialogLook &look, UiHost &host, const QString &programDir, QWidget *parent)
    : ConventionalDialog(look, QSize(460, 210), parent), m_host(host), m_programDir(programDir),
      m_opener(desktopOpener())
{
    setWindowTitle(tr("User Manual Notice"));

    auto *wordText = explanation(tr("The User Manual for Quorvex 98 is a word-processor document, \"%1\", in the "
                                    "program's folder.  Any word processor that reads Microsoft Word documents, "
                                    "such as LibreOffice Writer, can show and print it.")
                                     .arg(WordManual),
                                 this);
    auto *pdfText = explanation(tr("The User Manual is also available as a PDF document, \"%1\".  Any PDF reader "
                                   "can show and print it.")
                                    .arg(PdfManual),
                                this);

    m_word = new QPushButton(tr("View in &Word"), this);
    m_acrobat = new QPushButton(tr("View in &Acrobat"), this);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_acrobat->setDefault(true);

    const double f = look.screenFactor;
    auto *layout = new QGridLayout(this);
    layout->setHorizontalSpacing(scaledBy(16, f));
    layout->setVerticalSpacing(scaledBy(14, f));
    layout->addWidget(wordText, 0, 0);
    layout->addWidget(m_word, 0, 1, Qt::AlignTop);
    layout->addWidget(pdfText, 1, 0);
    layout->addWidget(m_acrobat, 1, 1, Qt::AlignTop);
    layout->addWidget(m_cancel, 2, 1, Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(2, 1);

    connect(m_word, &QPushButton::clicked, this, &ManualNoticeDialog::openWordManual);
    connect(m_acrobat, &QPushButton::clicked, this, &ManualNoticeDialog::openPdfManual);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ManualNoticeDialog::openWordManual()
{
    openManual(WordManual, tr("The User Manual could not be located.  Please make sure the user manual was "
                              "installed.  A copy is available at our web site."));
}

void ManualNoticeDialog::openPdfManual()
{
    openManual(PdfManual, tr("User Manual could not be located.  Please make sure that it was installed."));
}

void ManualNoticeDialog::openManual(const QString &fileName, const QString &missingMessage)
{
    const QString path = QDir(m_programDir).filePath(fileName);
    if (!QFileInfo(path).isFile()) {
        m_host.message(this, tr("Error"), missingMessage, Buttons::Ok);
    } else if (!m_opener(QUrl::fromLocalFile(path))) {
        // The file is there but the desktop has no program for it: say so rather than nothing.
        m_host.message(this, tr("Error"),
                       tr("\"%1\" could not be opened.  Please make sure that a program to view it is installed.")
                           .arg(QDir::toNativeSeparators(path)),
                       Buttons::Ok);
    }
    accept();
}

} // namespace qx
