#pragma once
// Keeps out of a line edit every character a stored text may not hold (common/storable_text.h),
// whether typed, pasted, dropped or set by the program: the characters are taken out before the
// text changes, and the user is told once control is back in the event loop. Never from inside
// the edit's own key handling: a grid's cell editor is closed and destroyed while a message box
// runs, and returning into it would crash.

#include "common/storable_text.h"

#include <QValidator>

class QLineEdit;
class QWidget;

namespace qx {

class UiHost;

class StorableTextValidator : public QValidator {
    Q_OBJECT

public:
    // maxLength, when given, is the box's limit in UTF-16 units, kept here rather than by the edit:
    // an edit cuts what does not fit, which can split a character in two.
    explicit StorableTextValidator(QObject *parent = nullptr, int maxLength = -1);

    // Makes line breaks and tabs spaces, takes the refused characters out of the input (the cursor
    // keeps its place in what is left) and reports the first of them, whole, through refused();
    // then takes out whatever of the text just inserted goes past the limit, never half a
    // character.
    State validate(QString &input, int &pos) const override;

Q_SIGNALS:
    void refused(char32_t character);

private:
    int m_maxLength;
};

// Installs a StorableTextValidator on the edit, which takes over the edit's maximum length; each
// refusal is shown through the host with the edit's window as parent, once control has returned to
// the event loop. Set the edit's maximum length before.
void keepStorable(QLineEdit *edit, UiHost &host, StoredTextKind kind = StoredTextKind::Puzzle);

// Shows the refusal of the character through the host, parented to the window, once control has
// returned to the event loop; dropped if the window is gone by then.
void tellRefused(UiHost &host, QWidget *window, char32_t character, StoredTextKind kind = StoredTextKind::Puzzle);

} // namespace qx
