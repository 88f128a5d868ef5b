#include "layout/ui/size_position_dialog.h"

#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "layout/ui/ok_cancel_buttons.h"
#include "layout/ui/typed_length_validator.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qx {

SizePositionDialog::SizePositionDialog(const DialogLook &look, UiHost &host, const LayoutObject &object,
                                       int unitsPerPageUnit, bool inches, int layoutWidth, int layoutHeight,
                                       QWidget *parent)
    : ConventionalDialog(look, QSize(240, 190), parent), m_host(host), m_object(object), m_units(unitsPerPageUnit),
      m_layoutWidth(layoutWidth), m_layoutHeight(layoutHeight)
{
    setWindowTitle(tr("Size & Location of %1").arg(cp1252::toUnicode(object.ObjectLabel.str())));
    const auto &b = object.Bounds;
    // 64 bits: the width of a damaged object may not fit in 32.
    const std::array<int64_t, 4> shown{b[0], b[1], int64_t{b[2]} - b[0], int64_t{b[3]} - b[1]};
    static const char *const names[] = {QT_TR_NOOP("Left"), QT_TR_NOOP("Top"), QT_TR_NOOP("Width"),
                                        QT_TR_NOOP("Height")};
    auto *form = new QFormLayout;
    for (size_t i = 0; i < 4; ++i) {
        auto *edit = new QLineEdit(pageUnitText(shown[i], m_units), this);
        edit->setObjectName(QLatin1String(names[i]));
        limitTyping(edit, MaxTyped);
        m_boxes[i] = edit;
        form->addRow(tr(names[i]), edit);
    }
    auto *unit = new QLabel(inches ? tr("Values In Inches") : tr("Values In Centimeters"), this);

    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(unit);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SizePositionDialog::acceptEntries()
{
    SizePositionEntry entry;
    for (size_t i = 0; i < 4; ++i)
        entry.texts[i] = m_boxes[i]->text();
    const SizePositionReading reading = readSizePosition(entry, m_units, m_layoutWidth, m_layoutHeight);
    if (reading.invalid) {
        static const char *const texts[] = {
            QT_TR_NOOP("Invalid left position entered."),
            QT_TR_NOOP("Invalid top position entered."),
            QT_TR_NOOP("Invalid width entered."),
            QT_TR_NOOP("Invalid height entered."),
        };
        const auto i = static_cast<size_t>(*reading.invalid);
        m_host.message(this, tr("Error"), tr(texts[i]), Buttons::Ok);
        m_boxes[i]->setFocus();
        return;
    }
    if (reading.offPage && m_host.message(this, tr("Warning"),
                                          tr("The location you have specified will place the object off the page.  "
                                             "Do you wish abort your changes?"),
                                          Buttons::YesNo) == Answer::Yes)
        return;
    m_object.Bounds = reading.bounds;
    accept();
}

} // namespace qx
