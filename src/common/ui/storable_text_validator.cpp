#include "common/ui/storable_text_validator.h"

#include "common/ui/ui_host.h"

#include <QLineEdit>
#include <QPointer>

namespace qx {

StorableTextValidator::StorableTextValidator(QObject *parent) : QValidator(parent)
{
}

QValidator::State StorableTextValidator::validate(QString &input, int &pos) const
{
    const auto bad = firstUnstorable(input);
    if (!bad)
        return Acceptable;
    const int kept = static_cast<int>(withoutUnstorable(QStringView(input).left(pos)).size());
    input = withoutUnstorable(input);
    pos = kept;
    // A validator is const to its edit; reporting changes nothing the edit relies on.
    Q_EMIT const_cast<StorableTextValidator *>(this)->refused(*bad);
    return Acceptable;
}

void keepStorable(QLineEdit *edit, UiHost &host, StoredTextKind kind)
{
    auto *validator = new StorableTextValidator(edit);
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
