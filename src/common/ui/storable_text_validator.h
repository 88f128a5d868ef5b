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
    explicit StorableTextValidator(QObject *parent = nullptr);

    // Takes the refused characters out of the input (the cursor keeps its place in what is left)
    // and reports the first of them through refused().
    State validate(QString &input, int &pos) const override;

Q_SIGNALS:
    void refused(char32_t character);
};

// Installs a StorableTextValidator on the edit; each refusal is shown through the host with the
// edit's window as parent, once control has returned to the event loop.
void keepStorable(QLineEdit *edit, UiHost &host, StoredTextKind kind = StoredTextKind::Puzzle);

// Shows the refusal of the character through the host, parented to the window, once control has
// returned to the event loop; dropped if the window is gone by then.
void tellRefused(UiHost &host, QWidget *window, char32_t character, StoredTextKind kind = StoredTextKind::Puzzle);

} // namespace qx
