#include "layout/ui/heading_text_dialog.h"

#include "common/cp1252.h"
#include "layout/ui/ok_cancel_buttons.h"
#include "layout/ui/typed_length_validator.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace qx {

HeadingTextDialog::HeadingTextDialog(const DialogLook &look, UiHost &host, ObjectKind kind, std::string_view stored,
                                     QWidget *parent)
    : ConventionalDialog(look, QSize(260, 90), parent)
{
    setWindowTitle(kind == ObjectKind::AcrossHeading ? tr("Across Header") : tr("Down Header"));
    m_heading = new QLineEdit(cp1252::toUnicode(stored), this);
    m_heading->setObjectName(QStringLiteral("HeadingText"));
    limitStorableTyping(m_heading, MaxTyped, host, StoredTextKind::Heading);

    auto *buttons = okCancelButtons(this, [this] { accept(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(buttons);
}

// The box holds only what a stored text may hold, so the conversion drops nothing.
std::string HeadingTextDialog::storedText() const
{
    return cp1252::fromUnicode(m_heading->text()).value_or(std::string());
}

} // namespace qx
