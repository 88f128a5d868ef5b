#include "layout/ui/border_dialog.h"

#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "layout/object_edits.h"
#include "layout/ui/color_swatch.h"
#include "layout/ui/ok_cancel_buttons.h"
#include "layout/ui/typed_length_validator.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace qx {

BorderDialog::BorderDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent)
    : ConventionalDialog(look, QSize(260, 150), parent), m_host(host), m_object(object)
{
    setWindowTitle(tr("Border Info for %1").arg(cp1252::toUnicode(object.ObjectLabel.str())));
    m_useBorder = new QCheckBox(tr("&Use Border"), this);
    m_useBorder->setChecked(object.HasBorder != 0);
    m_width = new QLineEdit(QString::number(object.BorderWidth), this);
    m_width->setObjectName(QStringLiteral("Width"));
    limitTyping(m_width, MaxTyped);
    m_color = new ColorSwatch(host, object.BorderColor, tr("C&hange Color"), this);
    connect(m_useBorder, &QCheckBox::toggled, this, &BorderDialog::onUseBorderToggled);

    auto *form = new QFormLayout;
    form->addRow(tr("Width"), m_width);
    form->addRow(tr("Border Color"), m_color);
    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_useBorder);
    layout->addLayout(form);
    layout->addWidget(buttons);
    onUseBorderToggled();
}

void BorderDialog::onUseBorderToggled()
{
    m_width->setEnabled(m_useBorder->isChecked());
    m_color->changeButton()->setEnabled(m_useBorder->isChecked());
}

// The width is checked only while a border is used: its box is disabled otherwise, and a refusal
// there could not be mended. Without a border a bad width leaves the object's width as it was.
void BorderDialog::acceptEntries()
{
    const bool used = m_useBorder->isChecked();
    const auto width = positiveWholeNumber(m_width->text(), std::numeric_limits<int16_t>::max());
    if (!width && used) {
        m_host.message(this, tr("Error"), tr("Invalid width entered."), Buttons::Ok);
        m_width->setFocus();
        return;
    }
    m_object.HasBorder = used ? 1 : 0;
    if (width)
        m_object.BorderWidth = static_cast<int16_t>(*width);
    m_object.BorderColor = m_color->color();
    accept();
}

} // namespace qx
