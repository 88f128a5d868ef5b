#include "layout/ui/grid_properties_dialog.h"

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

GridPropertiesDialog::GridPropertiesDialog(const DialogLook &look, UiHost &host, const LayoutObject &object,
                                           QWidget *parent)
    : ConventionalDialog(look, QSize(300, 200), parent), m_host(host), m_object(object)
{
    setWindowTitle(tr("Properties for %1").arg(cp1252::toUnicode(object.ObjectLabel.str())));
    m_skeleton = new QCheckBox(tr("Skeleton Puzzle"), this);
    m_skeleton->setChecked(object.Transparent != 0);
    m_fill = new ColorSwatch(host, object.FillColor, tr("C&hange Color"), this);
    m_block = new ColorSwatch(host, object.SquareColor, tr("Ch&ange Color"), this);
    m_line = new ColorSwatch(host, object.LineColor, tr("Ch&ange Color"), this);
    m_lineWidth = new QLineEdit(QString::number(object.LineWidth), this);
    m_lineWidth->setObjectName(QStringLiteral("LineWidth"));
    limitTyping(m_lineWidth, MaxTyped);
    // A skeleton paints no filled squares, so their colour has nothing to change.
    m_fill->changeButton()->setEnabled(!m_skeleton->isChecked());
    connect(m_skeleton, &QCheckBox::toggled, m_fill->changeButton(),
            [this](bool on) { m_fill->changeButton()->setEnabled(!on); });

    auto *form = new QFormLayout;
    form->addRow(tr("Puzzle Fill Color"), m_fill);
    form->addRow(tr("Puzzle Block Color"), m_block);
    form->addRow(tr("Puzzle Line Color"), m_line);
    form->addRow(tr("Puzzle Line Width"), m_lineWidth);
    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_skeleton);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void GridPropertiesDialog::acceptEntries()
{
    const auto width = positiveWholeNumber(m_lineWidth->text(), std::numeric_limits<int32_t>::max());
    if (!width) {
        m_host.message(this, tr("Error"), tr("Invalid width entered."), Buttons::Ok);
        m_lineWidth->setFocus();
        return;
    }
    m_object.LineWidth = *width;
    m_object.Transparent = m_skeleton->isChecked() ? 1 : 0;
    m_object.FillColor = m_fill->color();
    m_object.SquareColor = m_block->color();
    m_object.LineColor = m_line->color();
    accept();
}

} // namespace qx
