#include "layout/ui/object_properties_dialog.h"

#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "layout/object_edits.h"
#include "layout/ui/ok_cancel_buttons.h"
#include "layout/ui/typed_length_validator.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <limits>

namespace qx {

namespace {

bool hasColumns(int16_t kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::CombinedClues:
        return true;
    default:
        return false;
    }
}

} // namespace

ObjectPropertiesDialog::ObjectPropertiesDialog(const DialogLook &look, UiHost &host, const LayoutObject &object,
                                               QWidget *parent)
    : ConventionalDialog(look, QSize(280, 170), parent), m_host(host), m_object(object)
{
    setWindowTitle(tr("Properties for %1").arg(cp1252::toUnicode(object.ObjectLabel.str())));
    m_transparent = new QCheckBox(tr("&Transparent Background"), this);
    m_transparent->setChecked(object.Transparent != 0);
    m_makeItFit = new QCheckBox(tr("&Make It Fit (Auto-Shrink Font)"), this);
    m_makeItFit->setChecked(object.MakeItFit != 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_transparent);
    layout->addWidget(m_makeItFit);
    if (hasColumns(object.Kind)) {
        m_columns = new QLineEdit(QString::number(object.Columns), this);
        m_columns->setObjectName(QStringLiteral("Columns"));
        limitTyping(m_columns, MaxTyped);
        auto *form = new QFormLayout;
        form->addRow(tr("Number of Columns"), m_columns);
        layout->addLayout(form);
    }
    if (object.Kind == static_cast<int16_t>(ObjectKind::CombinedClues)) {
        m_split = new QCheckBox(tr("&Split Columns"), this);
        m_split->setChecked(object.Split != 0);
        // Only the user's click evens the columns, not the box showing the stored value.
        connect(m_split, &QCheckBox::clicked, this, &ObjectPropertiesDialog::setSplitColumns);
        layout->addWidget(m_split);
    }
    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    layout->addStretch(1);
    layout->addWidget(buttons);
}

// Split columns put the across clues in the left half and the down clues in the right: the
// count is made even.
void ObjectPropertiesDialog::setSplitColumns()
{
    if (m_split->isChecked())
        m_columns->setText(splitColumnsText(m_columns->text()));
}

void ObjectPropertiesDialog::acceptEntries()
{
    if (m_columns) {
        const auto columns = positiveWholeNumber(m_columns->text(), std::numeric_limits<int16_t>::max());
        if (!columns) {
            m_host.message(this, tr("Error"), tr("Invalid columns entered."), Buttons::Ok);
            m_columns->setFocus();
            return;
        }
        m_object.Columns = static_cast<int16_t>(*columns);
    }
    if (m_split)
        m_object.Split = m_split->isChecked() ? 1 : 0;
    m_object.Transparent = m_transparent->isChecked() ? 1 : 0;
    m_object.MakeItFit = m_makeItFit->isChecked() ? 1 : 0;
    accept();
}

} // namespace qx
