#include "layout/ui/number_font_dialog.h"

#include "layout/ui/object_font.h"
#include "layout/ui/ok_cancel_buttons.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

NumberFontDialog::NumberFontDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent)
    : ConventionalDialog(look, QSize(220, 150), parent), m_host(host), m_object(object)
{
    setWindowTitle(tr("Numbers In Puzzle"));
    auto *orientation = new QGroupBox(tr("Orientation"), this);
    m_horizontal = new QRadioButton(tr("&Horizontal"), orientation);
    m_vertical = new QRadioButton(tr("&Vertical"), orientation);
    (object.NumbersHorizontal != 0 ? m_horizontal : m_vertical)->setChecked(true);
    auto *choices = new QVBoxLayout(orientation);
    choices->addWidget(m_horizontal);
    choices->addWidget(m_vertical);
    m_changeFont = new QPushButton(tr("Change &Font"), this);
    connect(m_changeFont, &QPushButton::clicked, this, &NumberFontDialog::chooseNumberFont);

    auto *buttons = okCancelButtons(this, [this] { acceptEntries(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(orientation);
    layout->addWidget(m_changeFont);
    layout->addWidget(buttons);
}

void NumberFontDialog::chooseNumberFont()
{
    chooseObjectFont(m_host, this, m_object, ObjectFont::Numbers);
}

void NumberFontDialog::acceptEntries()
{
    m_object.NumbersHorizontal = m_horizontal->isChecked() ? 1 : 0;
    accept();
}

} // namespace qx
