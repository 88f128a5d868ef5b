#include "layout/ui/text_input_dialog.h"

#include "common/ui/storable_lines.h"
#include "common/ui/ui_host.h"
#include "layout/object_edits.h"
#include "layout/ui/ok_cancel_buttons.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qx {

TextInputDialog::TextInputDialog(const DialogLook &look, UiHost &host, std::string_view stored, QWidget *parent)
    : ConventionalDialog(look, QSize(360, 240), parent)
{
    setWindowTitle(tr("Text"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TextBox"));
    // Tab moves on to the buttons: a tab character could not be stored anyway.
    m_text->setTabChangesFocus(true);
    m_text->setPlainText(objectTextLines(stored));
    // Up to 1,000 characters as typed, a line break counting as two.
    keepStorableLines(m_text, host, MaxTypedObjectText);

    auto *buttons = okCancelButtons(this, [this] { accept(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    m_text->setFocus();
}

std::string TextInputDialog::storedText() const
{
    return storedObjectText(m_text->toPlainText());
}

} // namespace qx
