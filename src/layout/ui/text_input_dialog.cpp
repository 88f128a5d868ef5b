#include "layout/ui/text_input_dialog.h"

#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "layout/object_edits.h"
#include "layout/ui/ok_cancel_buttons.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

namespace qx {

TextInputDialog::TextInputDialog(const DialogLook &look, UiHost &host, std::string_view stored, QWidget *parent)
    : ConventionalDialog(look, QSize(360, 240), parent), m_host(host)
{
    setWindowTitle(tr("Text"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TextBox"));
    // Tab moves on to the buttons: a tab character could not be stored anyway.
    m_text->setTabChangesFocus(true);
    m_text->setPlainText(objectTextLines(stored));
    m_accepted = m_text->toPlainText();
    connect(m_text, &QPlainTextEdit::textChanged, this, &TextInputDialog::keepStorableAndShort);

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

// The box is a plain text edit, which takes no validator: what StorableTextValidator does for a
// line edit is done here after each change. Characters a stored text may not hold are taken out
// (line breaks are kept: they are stored as CR LF), and of what was inserted only as much is kept
// as fits in 1,000 characters, as a box with a length limit does.
void TextInputDialog::keepStorableAndShort()
{
    if (m_adjusting)
        return;
    const QString now = m_text->toPlainText();
    QStringList lines = now.split(QLatin1Char('\n'));
    std::optional<char32_t> refused;
    for (QString &line : lines) {
        if (!refused)
            refused = firstUnstorable(line);
        line = withoutUnstorable(line);
    }
    QString kept = lines.join(QLatin1Char('\n'));
    // Where the change happened: the text before it and after it are unchanged.
    qsizetype prefix = 0;
    while (prefix < kept.size() && prefix < m_accepted.size() && kept[prefix] == m_accepted[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < kept.size() - prefix && suffix < m_accepted.size() - prefix &&
           kept[kept.size() - 1 - suffix] == m_accepted[m_accepted.size() - 1 - suffix])
        ++suffix;
    qsizetype cursor = kept.size() - suffix;
    if (storedObjectTextLength(kept) > MaxTypedObjectText &&
        storedObjectTextLength(kept) > storedObjectTextLength(m_accepted)) {
        const QString before = kept.left(prefix);
        const QString after = kept.right(suffix);
        QString inserted = kept.mid(prefix, kept.size() - prefix - suffix);
        qsizetype room = MaxTypedObjectText - storedObjectTextLength(before) - storedObjectTextLength(after);
        qsizetype fits = 0;
        for (; fits < inserted.size(); ++fits) {
            room -= inserted[fits] == u'\n' ? 2 : 1;
            if (room < 0)
                break;
        }
        inserted.truncate(fits);
        kept = before + inserted + after;
        cursor = prefix + inserted.size();
    }
    if (kept != now) {
        m_adjusting = true;
        m_text->setPlainText(kept);
        QTextCursor c = m_text->textCursor();
        c.setPosition(static_cast<int>(cursor));
        m_text->setTextCursor(c);
        m_adjusting = false;
    }
    m_accepted = kept;
    if (refused)
        tellRefused(m_host, this, *refused);
}

} // namespace qx
