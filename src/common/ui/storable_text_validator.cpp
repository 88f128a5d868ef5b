#include "common/ui/storable_text_validator.h"

#include "common/ui/ui_host.h"

#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace qx {

StorableTextValidator::StorableTextValidator(QObject *parent, int maxLength)
    : QValidator(parent), m_maxLength(maxLength)
{
}

QValidator::State StorableTextValidator::validate(QString &input, int &pos) const
{
    int cursor = static_cast<int>(breaksAsSpaces(QStringView(input).left(pos)).size());
    QString text = breaksAsSpaces(input);
    if (const auto bad = firstUnstorable(text)) {
        cursor = static_cast<int>(withoutUnstorable(QStringView(text).left(cursor)).size());
        text = withoutUnstorable(text);
        // A validator is const to its edit; reporting changes nothing the edit relies on.
        Q_EMIT const_cast<StorableTextValidator *>(this)->refused(*bad);
    }
    if (m_maxLength >= 0 && text.size() > m_maxLength) {
        // What went past the limit was inserted just before the cursor.
        qsizetype from = std::max<qsizetype>(0, cursor - (text.size() - m_maxLength));
        if (from > 0 && text[from].isLowSurrogate() && text[from - 1].isHighSurrogate())
            --from;
        text.remove(from, cursor - from);
        cursor = static_cast<int>(from);
        // Should the cursor not have been behind the insertion.
        if (text.size() > m_maxLength)
            text.truncate(m_maxLength > 0 && text[m_maxLength - 1].isHighSurrogate() ? m_maxLength - 1 : m_maxLength);
    }
    input = text;
    pos = std::min(cursor, static_cast<int>(text.size()));
    return Acceptable;
}

void keepStorable(QLineEdit *edit, UiHost &host, StoredTextKind kind)
{
    // QLineEdit's default maximum stands for no limit.
    constexpr int Unlimited = 32767;
    const int limit = edit->maxLength() < Unlimited ? edit->maxLength() : -1;
    auto *validator = new StorableTextValidator(edit, limit);
    edit->setMaxLength(Unlimited);
    edit->setValidator(validator);
    QObject::connect(validator, &StorableTextValidator::refused, edit,
                     [edit, &host, kind](char32_t character) { tellRefused(host, edit->window(), character, kind); });
}

void tellRefused(UiHost &host, QWidget *window, char32_t character, StoredTextKind kind)
{
    const QPointer<QWidget> parent(window);
    const QString text = refusedCharacterText(character, kind);
    QMetaObject::invokeMethod(
        window,
        [&host, parent, text] {
            if (parent)
                host.message(parent, QObject::tr("Error"), text, Buttons::Ok);
        },
        Qt::QueuedConnection);
}

} // namespace qx
