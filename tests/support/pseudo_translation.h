#pragma once
// A pseudo-translation made from the sources at test time: lupdate gathers every text as it does
// for the translators, each is "translated" as itself between ⟦ and ⟧, and lrelease compiles it. A
// window text shown without the marks did not come through the translation system, or was looked
// up under another context than the one lupdate filed it under, and would stay English in every
// language.

#include <QString>
#include <QStringList>

class QTranslator;
class QWidget;

namespace qx::test {

// The pseudo-translation, installed for the object's lifetime.
class PseudoTranslation {
public:
    PseudoTranslation();
    ~PseudoTranslation();
    PseudoTranslation(const PseudoTranslation &) = delete;
    PseudoTranslation &operator=(const PseudoTranslation &) = delete;

    // Empty when installed, else why not (lupdate or lrelease missing or failing).
    const QString &failure() const { return m_failure; }

private:
    QString m_failure;
    QTranslator *m_translator = nullptr;
};

bool pseudoTranslationInstalled();
inline constexpr char16_t PseudoMark = u'\u27e6'; // opens every translated text

// The texts a shown window gives the user that carry no marks: its title, labels, buttons, check
// boxes, group titles, menus and their actions, tab texts, table headings, combo box items and tool
// tips. Texts without a letter, lone characters, key names ("F1") and screen sizes ("800 x 600"), and the `given`
// texts (data the caller handed the window) are left out.
QStringList unmarkedTexts(const QWidget &window, const QStringList &given = {});

} // namespace qx::test
