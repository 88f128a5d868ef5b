#include "export/ui/jpeg_factor_dialog.h"

#include "common/ui/ui_host.h"
#include "export/page_picture.h"
#include "store/settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

JpegFactorDialog::JpegFactorDialog(const DialogLook &look, UiHost &host, int quality, QWidget *parent)
    : ConventionalDialog(look, QSize(330, 170), parent), m_host(host)
{
    setWindowTitle(tr("JPEG Factor"));
    auto *label = new QLabel(tr("JPEG Compression/Quality Factor (Range: 1 - 100)"), this);
    m_edit = new QLineEdit(QString::number(quality), this);
    m_edit->setObjectName(QStringLiteral("FactorEdit"));
    label->setBuddy(m_edit);
    auto *note = new QLabel(tr("When the Factor is high, the image will be sharper, but the file size will be larger.  "
                               "If the factor is lower, then the file size will be smaller, but the image will not be "
                               "as sharp."),
                            this);
    note->setWordWrap(true);
    auto *ok = new QPushButton(tr("&Ok"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &JpegFactorDialog::onOkButtonClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(label);
    editRow->addWidget(m_edit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(editRow);
    layout->addWidget(note);
    layout->addStretch();
    layout->addLayout(buttons);
    m_edit->setFocus();
    m_edit->selectAll();
}

void JpegFactorDialog::onOkButtonClicked()
{
    const auto quality = jpegQualityFrom(m_edit->text());
    if (!quality) {
        m_host.message(this, tr("Error"), tr("Invalid factor entered.  Factor must be between 1 and 100"), Buttons::Ok);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_quality = *quality;
    accept();
}

void editJpegFactor(QWidget *parent, const DialogLook &look, UiHost &host, Settings &settings)
{
    JpegFactorDialog dialog(look, host, settings.reports.jpegQuality, parent);
    if (host.runModal(dialog) == QDialog::Accepted)
        settings.reports.jpegQuality = dialog.quality();
}

} // namespace qx
