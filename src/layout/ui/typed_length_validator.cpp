#include "layout/ui/typed_length_validator.h"

#include <QLineEdit>

namespace qx {

TypedLengthValidator::TypedLengthValidator(QLineEdit *edit, int maxLength, bool storable)
    : StorableTextValidator(edit), m_maxLength(maxLength), m_storable(storable), m_lengthNow(edit->text().size())
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_lengthNow = text.size(); });
    edit->setValidator(this);
}

QValidator::State TypedLengthValidator::validate(QString &input, int &pos) const
{
    if (m_storable)
        StorableTextValidator::validate(input, pos);
    return input.size() > m_maxLength && input.size() > m_lengthNow ? Invalid : Acceptable;
}

void limitTyping(QLineEdit *edit, int maxLength)
{
    new TypedLengthValidator(edit, maxLength, false);
}

void limitStorableTyping(QLineEdit *edit, int maxLength, UiHost &host, StoredTextKind kind)
{
    auto *validator = new TypedLengthValidator(edit, maxLength, true);
    QObject::connect(validator, &StorableTextValidator::refused, edit,
                     [edit, &host, kind](char32_t character) { tellRefused(host, edit->window(), character, kind); });
    // What the box already shows passes through the same rule.
    edit->setText(edit->text());
}

} // namespace qx
