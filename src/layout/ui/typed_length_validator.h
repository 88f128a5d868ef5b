#pragma once
// A length limit on what the user types into a box, not on what the program shows in it. A box
// shows an object's stored value, which may be longer than the limit ("100.000" in a box of six
// characters, a border width of 1000 in a box of one): cutting it would change the object when the
// user merely opens the dialog and presses OK. Typing may shorten such a text but never lengthen a
// text beyond the limit.

#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"

class QLineEdit;

namespace qx {

class UiHost;

class TypedLengthValidator : public StorableTextValidator {
    Q_OBJECT

public:
    // Installs itself on the edit, which already shows its value. With storable, characters a
    // stored text may not hold are kept out too, and each refusal is told through the host.
    TypedLengthValidator(QLineEdit *edit, int maxLength, bool storable);

    State validate(QString &input, int &pos) const override;

private:
    int m_maxLength;
    bool m_storable;
    qsizetype m_lengthNow = 0;
};

// A number box: the limit only.
void limitTyping(QLineEdit *edit, int maxLength);
// A text box that stores its text: the limit and the storable characters.
void limitStorableTyping(QLineEdit *edit, int maxLength, UiHost &host, StoredTextKind kind = StoredTextKind::Puzzle);

} // namespace qx
