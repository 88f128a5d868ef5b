#include "layout/ui/fill_dialog.h"

#include "common/cp1252.h"
#include "layout/ui/color_swatch.h"
#include "layout/ui/ok_cancel_buttons.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

FillDialog::FillDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent)
    : ConventionalDialog(look, QSize(260, 120), parent), m_object(object)
{
    setWindowTitle(tr("Fill Info for %1").arg(cp1252::toUnicode(object.ObjectLabel.str())));
    m_filled = new QCheckBox(tr("&Fill In Shape"), this);
    m_filled->setChecked(object.Filled != 0);
    m_color = new ColorSwatch(host, object.FillColor, tr("C&hange Color"), this);
    m_color->changeButton()->setEnabled(m_filled->isChecked());
    connect(m_filled, &QCheckBox::toggled, m_color->changeButton(), &QPushButton::setEnabled);

    auto *form = new QFormLayout;
    form->addRow(tr("Fill Color"), m_color);
    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_filled);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void FillDialog::acceptEntries()
{
    m_object.Filled = m_filled->isChecked() ? 1 : 0;
    m_object.FillColor = m_color->color();
    accept();
}

} // namespace qx
