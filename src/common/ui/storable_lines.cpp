#include "common/ui/storable_lines.h"

#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <optional>

namespace qx {

namespace {

qsizetype storedLength(QStringView lines)
{
    return lines.size() + lines.count(u'\n');
}

class StorableLines : public QObject {
public:
    StorableLines(QPlainTextEdit *edit, UiHost &host, int maxLength)
        : QObject(edit), m_edit(edit), m_host(host), m_maxLength(maxLength), m_accepted(edit->toPlainText())
    {
        connect(edit, &QPlainTextEdit::textChanged, this, &StorableLines::keep);
    }

private:
    void keep()
    {
        if (m_adjusting)
            return;
        const QString now = m_edit->toPlainText();
        QStringList lines = now.split(QLatin1Char('\n'));
        std::optional<char32_t> refused;
        for (QString &line : lines) {
            line = breaksAsSpaces(line); // a tab, or a CR left over from a pasted line end
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
        if (storedLength(kept) > m_maxLength && storedLength(kept) > storedLength(m_accepted)) {
            const QString before = kept.left(prefix);
            const QString after = kept.right(suffix);
            QString inserted = kept.mid(prefix, kept.size() - prefix - suffix);
            qsizetype room = m_maxLength - storedLength(before) - storedLength(after);
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
            m_edit->setPlainText(kept);
            QTextCursor c = m_edit->textCursor();
            c.setPosition(static_cast<int>(cursor));
            m_edit->setTextCursor(c);
            m_adjusting = false;
        }
        m_accepted = kept;
        if (refused)
            tellRefused(m_host, m_edit->window(), *refused);
    }

    QPlainTextEdit *m_edit;
    UiHost &m_host;
    int m_maxLength;
    QString m_accepted; // the text after the last change kept
    bool m_adjusting = false;
};

} // namespace

void keepStorableLines(QPlainTextEdit *edit, UiHost &host, int maxLength)
{
    new StorableLines(edit, host, maxLength);
}

} // namespace qx
