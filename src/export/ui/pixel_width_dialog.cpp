#include "export/ui/pixel_width_dialog.h"

#include "common/ui/ui_host.h"
#include "export/page_picture.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

PixelWidthDialog::PixelWidthDialog(const DialogLook &look, UiHost &host, Mode mode, int width, QSizeF page,
                                   QWidget *parent)
    : ConventionalDialog(look, QSize(240, 100), parent), m_host(host), m_page(page)
{
    const bool bitmap = mode == Mode::Bitmap;
    setWindowTitle(bitmap ? tr("Bitmap") : tr("JPeg"));
    m_edit = new QLineEdit(QString::number(width), this);
    m_edit->setObjectName(QStringLiteral("WidthEdit"));
    m_create = new QPushButton(bitmap ? tr("Create &Bitmap") : tr("Create &JPeg"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    m_create->setDefault(true);
    connect(m_create, &QPushButton::clicked, this, &PixelWidthDialog::onCreateButtonClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *form = new QFormLayout;
    form->addRow(bitmap ? tr("Width of Bitmap") : tr("Width of JPeg"), m_edit);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_create);
    row->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);
    m_edit->setFocus();
    m_edit->selectAll();
}

void PixelWidthDialog::onCreateButtonClicked()
{
    // Checked before anything is made: a picture too large for memory is refused here.
    const auto width = pictureWidthFrom(m_edit->text(), m_page.width(), m_page.height());
    if (!width) {
        m_host.message(this, tr("Error"), tr("Invalid width specified.  Please correct."), Buttons::Ok);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_width = *width;
    accept();
}

} // namespace qx
